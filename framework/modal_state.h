// Bookkeeping of running modal loops (framework code only).
#pragma once

namespace velmora {

// Marks a modal run (dialog, message box, popup menu) for its lifetime.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

}  // namespace velmora
