#include "form/fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace form {

namespace {

FatalErrorHooks hooks;
std::function<void()> listener;

void showBoxDefault(const std::string& title, const std::string& text)
{
    if (!QApplication::instance()) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

} // namespace

std::string fatalErrorText(const std::string& message)
{
    std::string text = "运行时出错!\r\n\r\n错误信息：";
    text.append(message).append("\r\n");
    return text;
}

std::string allocationFailureMessage(std::size_t bytes)
{
    // The count is printed as the runtime's int32 would print it.
    std::string message = "分配 ";
    message.append(std::to_string(static_cast<long long>(bytes))).append(" 字节内存失败!");
    return message;
}

void fatalError(const std::string& message)
{
    if (listener)
        listener();
    const std::string text = fatalErrorText(message);
    if (hooks.showBox)
        hooks.showBox("错误", text);
    else
        showBoxDefault("错误", text);
    if (hooks.terminate)
        hooks.terminate(-1);
    std::fflush(nullptr);
    std::_Exit(-1);
}

void fatalAllocationFailure(std::size_t bytes)
{
    fatalError(allocationFailureMessage(bytes));
}

FatalErrorHooks setFatalErrorHooks(FatalErrorHooks newHooks)
{
    FatalErrorHooks previous = std::move(hooks);
    hooks = std::move(newHooks);
    return previous;
}

void setFatalErrorListener(std::function<void()> newListener)
{
    listener = std::move(newListener);
}

} // namespace form
