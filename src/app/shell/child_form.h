#pragma once

#include <string>

namespace quavis {

// What every child window of the main window's frame offers: its class name (the open flag the main
// window keeps for it) and the handlers the frame runs when it becomes active and when it is left or a
// menu commits it.
class TChildForm {
public:
    virtual ~TChildForm() = default;
    virtual std::string FormClassName() const = 0;
    virtual void FormActivate() = 0;
    virtual void FormDeactivate() = 0;
    // A command changed the model under the open window (the unit switch): a form that shows numbers of
    // the model reloads them if they no longer match it.
    virtual void ModelChanged() {}
};

} // namespace quavis
