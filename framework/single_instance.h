// Keeping one instance of the program running.
//
// The running instance listens on a local socket named after its main window
// class and the user id ("TheWnd:VelmoraTrelkMainWindow" + "-" + uid); a
// second start connects to it, asks it to come to the front, and exits. A
// socket left behind by a crashed instance is cleared when nobody answers it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace velmora {

class CeBaseWnd;

class SingleInstance {
public:
    // fullClassName is the registered class as the system sees it
    // ("TheWnd:VelmoraTrelkMainWindow").
    explicit SingleInstance(std::string_view fullClassName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The socket name: the class name, "-", the user id.
    const std::string& serverName() const { return serverName_; }
    // Where the socket lives in the file system (the temporary folder).
    std::string socketPath() const;

    // Asks a running instance to come to the front. True when one answered:
    // the caller then exits with 0. Waits at most timeoutMs for an answer.
    bool notifyRunningInstance(int timeoutMs = 1000) const;

    // Starts answering later starts; each request runs onRaise on the GUI
    // thread. False when the socket cannot be opened.
    bool listen(std::function<void()> onRaise);
    // The same, bringing window to the front on each request.
    bool listen(CeBaseWnd& window);
    bool isListening() const;

private:
    struct Server;
    std::string serverName_;
    std::unique_ptr<Server> server_;
};

}  // namespace velmora
