// Keeping one instance of the program running on each display.
//
// The running instance listens on a local socket named after its main window
// class, the user id and the display it shows on
// ("TheWnd:VelmoraTrelkMainWindow-1000@:0"), so that the same user's
// sessions on other displays (another X session, a test display) each run
// their own. A second start on the same display connects, asks the instance
// to come to the front, and waits for its answer: "raised" sends the second
// start away; an instance that answers "closing" (its window is gone), drops
// the connection or stays silent is on its way out, and the second start
// waits for it to go and then starts. A socket left behind by a crashed
// instance is cleared when nobody answers it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace velmora {

class CeBaseWnd;

// The display this process shows its windows on: the X display or the
// Wayland socket, else the platform's name ("offscreen"). Made safe for a
// file name.
std::string currentDisplayName();

class SingleInstance {
public:
    // fullClassName is the registered class as the system sees it
    // ("TheWnd:VelmoraTrelkMainWindow").
    explicit SingleInstance(std::string_view fullClassName, std::string_view display = currentDisplayName());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The socket name: the class name, "-", the user id, "@", the display.
    const std::string& serverName() const { return serverName_; }
    // Where the socket lives in the file system (the temporary folder).
    std::string socketPath() const;

    // Asks a running instance to come to the front. True when one did: the
    // caller then exits with 0. False when none runs, or once one that was
    // closing has gone: the caller starts. Each request waits at most
    // answerMs for the answer; an instance still there after closingWaitMs
    // is left to itself and the caller starts all the same.
    bool notifyRunningInstance(int answerMs = 1000, int closingWaitMs = 10000) const;

    // Starts answering later starts; each request runs onRaise on the GUI
    // thread, which tells whether a window came to the front (false: this
    // instance is closing). False when the socket cannot be opened.
    bool listen(std::function<bool()> onRaise);
    // The same, bringing window to the front on each request while it exists.
    bool listen(CeBaseWnd& window);
    bool isListening() const;

private:
    enum class Answer { none, raised, closing };
    Answer ask(int answerMs) const;

    struct Server;
    std::string serverName_;
    std::unique_ptr<Server> server_;
};

}  // namespace velmora
