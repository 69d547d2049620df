// Runs ffmpeg as a child that cannot outlive this process: the child asks the kernel for SIGKILL
// when its parent dies, and SIGTERM, SIGINT and SIGHUP sent to us are passed on to it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Starts `program` with `args`, hands every piece of its standard error to `onOutput`, and
// returns its exit status once it has ended (128 + signal number when a signal ended it; 127
// when it could not be started).
int RunFfmpegChild(const std::string& program, const std::vector<std::string>& args,
                   const std::function<void(std::string_view)>& onOutput);
