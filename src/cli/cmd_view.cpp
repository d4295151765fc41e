#include "command_registry.h"

#include "model/file_replacer.h"
#include "model/project.h"
#include "model/project_reader.h"
#include "shell/prompter.h"
#include "views/view_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TViewArgs {
    std::string kind;
    std::string project;
    std::string out;
};

// Headless, the message boxes of the views become lines on standard error; nothing is ever asked.
class TCollectingPrompter : public quavis::Prompter {
public:
    std::vector<std::string> Messages;
    void ShowMessage(const std::string& text, quavis::TMessageKind) override { Messages.push_back(text); }
    quavis::TPromptAnswer AskYesNo(const std::string&) override { return quavis::TPromptAnswer::No; }
    quavis::TPromptAnswer AskYesNoCancel(const std::string&) override { return quavis::TPromptAnswer::Cancel; }
    std::optional<std::string> AskOpenFileName(const quavis::TFileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> AskSaveFileName(const quavis::TFileDialogRequest&) override { return std::nullopt; }
};

std::string Lines(std::string text)
{
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

// The picture's format follows the file's extension; PNG when the extension names none.
QByteArray FormatFor(const std::string& path)
{
    const QByteArray suffix = QFileInfo(QString::fromLocal8Bit(path.c_str())).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix)) return suffix;
    return "png";
}

// Encoded in memory and written through the core's file replacement, so a failed write leaves the old
// picture.
void WritePicture(const QImage& image, const std::string& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, FormatFor(path));
    if (!writer.write(image)) throw std::runtime_error("Cannot write " + path + ": " + writer.errorString().toStdString());
    try {
        quavis::ReplaceFiles({{std::filesystem::path(path), bytes.toStdString()}});
    } catch (const std::exception& e) {
        throw std::runtime_error("Cannot write " + path + ": " + e.what());
    }
}

int RunView(const TViewArgs& a)
{
    quavis::TProject project;
    const std::string message = quavis::ReadProjectFile(project, a.project);
    // A file that is not there has nothing to show; one read in part shows what was read, as after Open.
    if (!message.empty() && !std::filesystem::is_regular_file(a.project)) throw std::runtime_error(Lines(message));
    if (!message.empty()) std::cerr << Lines(message) << "\n";

    // Fonts need the GUI layer; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quavis-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    static const std::map<std::string, quavis::TViewKind> kinds{
        {"top", quavis::TViewKind::Top}, {"xz", quavis::TViewKind::SideXZ}, {"yz", quavis::TViewKind::SideYZ}};
    TCollectingPrompter prompter;
    const QImage image = quavis::RenderViewPicture(project, kinds.at(a.kind), prompter);
    for (const std::string& text : prompter.Messages) std::cerr << Lines(text) << "\n";
    // The window would have closed itself after its messages: there is no picture to write.
    if (image.isNull()) return 1;
    WritePicture(image, a.out);
    return message.empty() && prompter.Messages.empty() ? 0 : 1;
}

const CliCommandRegistrar kView([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("view", "draws a geometry view as its window shows it when opened: top|xz|yz PROJECT.vqd OUT.png");
    auto args = std::make_shared<TViewArgs>();
    cmd->add_option("VIEW", args->kind, "top, xz or yz")->required()->check(CLI::IsMember({"top", "xz", "yz"}));
    cmd->add_option("PROJECT", args->project, "the project file (.vqd)")->required();
    cmd->add_option("OUT", args->out, "the picture to write (PNG; BMP or another format by its extension)")->required();
    cmd->callback([&run, args] { run = [args] { return RunView(*args); }; });
});

} // namespace
