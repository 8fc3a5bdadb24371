// SPDX-License-Identifier: MIT
#pragma once

#include "tests/e2e/support/GameWindow.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

// The web game's canvas in a headless browser, through its launcher's control socket: one
// request a line ("geometry", "capture", "move X Y", "click", "key NAME", "press ID",
// "evaluate JS", "supports FEATURE", "server off|on [FOLDER]"), each answered by one line, "ok ..."
// or "error REASON". The launcher turns input into the browser's own input events (mouse, or taps
// where the test run asks for touch), mapped from game pixels to page points through the
// canvas's box on the page, and reads the canvas's pixels exactly. Owns the connection;
// the launcher owns the page.
namespace e2e {

class WebWindow final : public GameWindow {
public:
    // Connects to the socket and waits for the canvas. Throws std::runtime_error with the
    // launcher's last answer if it is not there within the timeout.
    static std::unique_ptr<WebWindow> Await(const std::string& socketPath,
                                            std::chrono::milliseconds timeout);
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    // The canvas's size in game pixels, and where its box lies on the page.
    std::optional<WindowGeometry> Geometry() const override;
    // The canvas's backing store, exactly as the game drew it.
    std::optional<RgbImage> Capture() const override;
    // A page has no window class or app id: always empty.
    std::string DesktopName() const override { return ""; }
    void MoveTo(int x, int y) override;
    void Click() override;
    void PressKey(KeySym key) override;
    // A page cannot be asked to close as a window can: throws std::logic_error.
    void RequestClose() override;

    // Presses the page's element of that id where a player would, at its middle.
    void PressElement(const std::string& id);
    // The JSON text of a page expression's value.
    std::string Evaluate(const std::string& expression);
    // Requests of the launcher's, separated by ";" ("move X Y;button down 2", "wheel DX DY
    // COUNT MS", "keydown Space", "hide", "fingers X1 Y1 X2 Y2"...); throws at a refused one.
    void Request(const std::string& requests);
    // Why the browser cannot do a feature ("touch", "viewport", "hidePage", ...), for a
    // test's GTEST_SKIP(); nothing when it can.
    std::optional<std::string> WhyUnsupported(const std::string& feature);
    // The page's server: "off" stops it answering, as a phone's network goes; "on" and
    // "on FOLDER" answer again, from the page's folder or another build's.
    void Server(const std::string& state);

private:
    explicit WebWindow(int socket) : m_socket(socket) {}

    // The answer after "ok "; nothing when the launcher has gone or says "error", whose
    // reason then goes to lastError.
    std::optional<std::string> Ask(const std::string& request) const;
    // As Ask, but throws std::runtime_error with the reason.
    std::string Require(const std::string& request) const;

    int m_socket;
    mutable std::string m_received;  // what has come after the last full answer
    mutable std::string m_lastError;
    std::chrono::steady_clock::time_point m_lastKeyRelease;
};

}  // namespace e2e
