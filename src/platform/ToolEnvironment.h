#pragma once
// The environment the outside tools run in. The program reads what they print, so they speak
// English whatever language the desktop uses, while file names keep the encoding of the
// user's locale.

#include <QProcessEnvironment>

// `base` with the tools' messages in the C locale and every other locale setting unchanged.
QProcessEnvironment
ToolEnvironment(const QProcessEnvironment& base = QProcessEnvironment::systemEnvironment());
