// The runtime's fatal errors: a message box without owner (error icon, title
// "错误"), then the process ends with exit code -1 without running the exit
// routine. The box and the ending are replaceable so tests can watch them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace form {

// The texts the runtime reports (UTF-8 here; the box shows them as Unicode).
inline constexpr const char* formUnreadableMessage = "载入窗口模板数据段出错!";
inline constexpr const char* startWindowFailedMessage = "载入启动窗口失败";

// "运行时出错!\r\n\r\n错误信息：" + message + "\r\n"
std::string fatalErrorText(const std::string& message);
// "分配 %d 字节内存失败!" with the byte count.
std::string allocationFailureMessage(std::size_t bytes);

[[noreturn]] void fatalError(const std::string& message);
[[noreturn]] void fatalAllocationFailure(std::size_t bytes);

struct FatalErrorHooks {
    // Shows the box; gets the title and the full text.
    std::function<void(const std::string& title, const std::string& text)> showBox;
    // Ends the process; must not return.
    std::function<void(int exitCode)> terminate;
};
// Replaces the hooks; returns the previous ones. Empty members use the defaults.
FatalErrorHooks setFatalErrorHooks(FatalErrorHooks hooks);

// Called before the box is shown, so no handler runs while it is open or after.
void setFatalErrorListener(std::function<void()> listener);

} // namespace form
