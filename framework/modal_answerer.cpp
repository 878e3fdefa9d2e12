#include "modal_answerer.h"

#include "modal_state.h"

namespace velmora {

namespace {

ModalAnswerer& installedAnswerer()
{
    static ModalAnswerer answerer;
    return answerer;
}

int g_modalDepth = 0;

}  // namespace

ModalAnswerer setModalAnswerer(ModalAnswerer answerer)
{
    ModalAnswerer previous = std::move(installedAnswerer());
    installedAnswerer() = std::move(answerer);
    return previous;
}

std::optional<int> askModalAnswerer(const ModalRequest& request)
{
    // A copy, so that an answerer may replace itself while it runs.
    const ModalAnswerer answerer = installedAnswerer();
    if (!answerer)
        return std::nullopt;
    return answerer(request);
}

bool isModalRunning() { return g_modalDepth > 0; }

ModalScope::ModalScope() { ++g_modalDepth; }
ModalScope::~ModalScope() { --g_modalDepth; }

}  // namespace velmora
