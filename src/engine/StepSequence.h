#pragma once
// An ordered list of steps, each filled in by whichever part of the program owns it. Steps run
// in the order of their enumeration, not the order they were set; a step left empty is passed
// over. A gate step may end the sequence there.

#include <functional>
#include <map>
#include <utility>

template <typename Step> class StepSequence {
public:
    void Set(Step step, std::function<void()> action) {
        steps_[step] = [action = std::move(action)] {
            action();
            return true;
        };
    }

    // A step that returns false ends the sequence: no later step runs.
    void SetGate(Step step, std::function<bool()> action) { steps_[step] = std::move(action); }

    bool Has(Step step) const { return steps_.contains(step); }

    // True when every step ran.
    bool Run() const {
        for (const auto& [step, action] : steps_) {
            if (!action())
                return false;
        }
        return true;
    }

private:
    std::map<Step, std::function<bool()>> steps_;
};
