// SPDX-License-Identifier: MIT
#include "tests/e2e/support/GameProcess.h"

#include "tests/e2e/support/BuildPaths.h"

#include <algorithm>

namespace e2e {

GameLaunch GameLaunch::BuiltGameOn(const std::string& displayName)
{
    GameLaunch launch;
    launch.launcher = BuiltGameLauncher();
    launch.program = BuiltGamePath();
    launch.workingDirectory = PicturesDir();
    launch.environment = Environment::OfThisProcess();
    launch.environment.Set("DISPLAY", displayName)
        .Set("SDL_AUDIODRIVER", "dummy")
        .Unset("SDL_VIDEODRIVER");
    // A sanitized game would end with status 1 over Xlib's own leaks; the game's leaks
    // are still reported. Other programs ignore the variable.
    const std::string leakOptions = launch.environment.Get("LSAN_OPTIONS").value_or("");
    launch.environment.Set("LSAN_OPTIONS", leakOptions + (leakOptions.empty() ? "" : ":") +
                                               "suppressions=" + LeakSuppressionsPath() +
                                               ":print_suppressions=0");
    return launch;
}

bool GameLaunch::IsWindowsProgram() const
{
    const std::string suffix = ".exe";
    return program.size() > suffix.size() &&
           program.compare(program.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string GameLaunch::ArgumentZero() const
{
    if (!IsWindowsProgram()) {
        return program;
    }
    std::string path = "Z:" + program;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

GameProcess::GameProcess(const GameLaunch& launch)
    : m_launch(launch), m_child(RequestFor(m_launch, m_outputDir))
{
}

SpawnRequest GameProcess::RequestFor(const GameLaunch& launch, const TemporaryDirectory& outputDir)
{
    SpawnRequest request;
    if (!launch.launcher.empty()) {
        request.command.push_back(launch.launcher);
    }
    request.command.push_back(launch.program);
    request.command.insert(request.command.end(), launch.arguments.begin(), launch.arguments.end());
    request.workingDirectory = launch.workingDirectory;
    request.environment = launch.environment;
    request.stdoutPath = outputDir.PathOf("stdout");
    request.stderrPath = outputDir.PathOf("stderr");
    return request;
}

std::string GameProcess::TextOf(const std::string& outputName) const
{
    std::string text = ReadWholeFile(m_outputDir.PathOf(outputName));
    if (m_launch.IsWindowsProgram()) {
        for (size_t end = text.find("\r\n"); end != std::string::npos;
             end = text.find("\r\n", end)) {
            text.erase(end, 1);
        }
    }
    return text;
}

}  // namespace e2e
