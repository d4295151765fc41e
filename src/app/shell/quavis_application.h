#pragma once

#include <functional>

#include <QApplication>

namespace quavis {

// The program's application object. Any exception that reaches the event loop is shown in the general
// error report, a message box with the error's text, and the program goes on.
class TQuavisApplication : public QApplication {
    Q_OBJECT
public:
    static constexpr const char* HelpFileProperty = "helpFile";

    TQuavisApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Replaces the message box of the general error report (tests record the texts instead).
    using TErrorReport = std::function<void(const QString& text)>;
    static void SetErrorReport(TErrorReport report);
    // Shows the text as the general error report does.
    static void ReportError(const QString& text);
};

} // namespace quavis
