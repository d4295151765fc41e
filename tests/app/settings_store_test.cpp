#include "app_fixture.h"

#include <QSettings>
#include <QStringList>

#include "shell/qt_settings_store.h"

namespace quavis::test {
namespace {

namespace fs = std::filesystem;

class QtSettingsStoreTest : public ::testing::Test {
protected:
    std::string Ini() const { return (dir / "QUAVIS.ini").string(); }
    TempDir dir;
};

TEST_F(QtSettingsStoreTest, ValuesRoundTripUnderTheVersionGroup)
{
    {
        TQtSettingsStore store(Ini());
        EXPECT_FALSE(store.GroupExists());
        EXPECT_EQ(store.ReadString("File1"), "");
        EXPECT_EQ(store.ReadInteger("Count", 7), 7);
        store.WriteString("Word Processor", "/opt/ed, with comma");
        store.WriteString("File1", "/p/a b.vqd");
        store.WriteInteger("Count", -3);
    }
    QSettings raw(QString::fromStdString(Ini()), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("3.0.6/File1")).toString(), QStringLiteral("/p/a b.vqd"));
    TQtSettingsStore store(Ini());
    EXPECT_TRUE(store.GroupExists());
    EXPECT_EQ(store.ReadString("Word Processor"), "/opt/ed, with comma");
    EXPECT_EQ(store.ReadInteger("Count", 0), -3);
}

TEST_F(QtSettingsStoreTest, ValuesOfAnotherKindAreReadAsFailures)
{
    {
        QSettings raw(QString::fromStdString(Ini()), QSettings::IniFormat);
        raw.setValue(QStringLiteral("3.0.6/File1"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
        raw.setValue(QStringLiteral("3.0.6/File2"), QByteArray("\x01\x02", 2));
        raw.setValue(QStringLiteral("3.0.6/Count"), QStringLiteral("many"));
    }
    TQtSettingsStore store(Ini());
    EXPECT_THROW(store.ReadString("File1"), ESettingsError);
    EXPECT_THROW(store.ReadString("File2"), ESettingsError);
    EXPECT_THROW(store.ReadInteger("Count", 0), ESettingsError);
}

TEST_F(QtSettingsStoreTest, AStoreThatCannotBeWrittenFails)
{
    // A folder where the file should be: nothing can write it, root neither.
    fs::create_directories(Ini());
    TQtSettingsStore store(Ini());
    EXPECT_EQ(store.ReadString("File1"), "");
    EXPECT_THROW(store.WriteString("File1", "/b.vqd"), ESettingsError);
    EXPECT_THROW(store.CreateGroup(), ESettingsError);
}

// The window's recent list read from a real settings file: File1 and File3 set, File2 empty.
TEST_F(MainFormTest, RecentSlotsFromTheSettingsFile)
{
    const std::string ini = (projects / "QUAVIS.ini").string();
    {
        QSettings raw(QString::fromStdString(ini), QSettings::IniFormat);
        raw.setValue(QStringLiteral("3.0.6/File1"), QStringLiteral("/elsewhere/one.vqd"));
        raw.setValue(QStringLiteral("3.0.6/File2"), QString());
        raw.setValue(QStringLiteral("3.0.6/File3"), QStringLiteral("/elsewhere/three.vqd"));
    }
    TQtSettingsStore qtStore(ini);
    TMainFormServices services = Services();
    services.settings = &qtStore;
    form = std::make_unique<TMainForm>(std::move(services));
    form->show();
    OpenMenu("FileMenu");
    EXPECT_EQ(form->Logic().Settings().PrevFileCount, 2);
    EXPECT_TRUE(form->Action("PrevFile1")->isVisible());
    EXPECT_EQ(form->Action("PrevFile1")->text().toStdString(), "1 /elsewhere/one.vqd");
    EXPECT_TRUE(form->Action("PrevFile2")->isVisible());
    EXPECT_FALSE(form->Action("PrevFile3")->isVisible());

    // Saving under a new name moves it to the top and reaches the file at once.
    prompter.ExpectSaveFile((projects / "new.vqd").string());
    Click("FileSaveAs");
    QSettings raw(QString::fromStdString(ini), QSettings::IniFormat);
    EXPECT_EQ(fs::path(raw.value(QStringLiteral("3.0.6/File1")).toString().toStdString()), projects / "new.vqd");
    EXPECT_EQ(raw.value(QStringLiteral("3.0.6/File2")).toString(), QStringLiteral("/elsewhere/one.vqd"));
}

TEST_F(MainFormTest, AWrongKindOfValueClearsTheRecentListAndWordProcessor)
{
    const std::string ini = (projects / "QUAVIS.ini").string();
    {
        QSettings raw(QString::fromStdString(ini), QSettings::IniFormat);
        raw.setValue(QStringLiteral("3.0.6/Word Processor"), QStringLiteral("/opt/ed"));
        raw.setValue(QStringLiteral("3.0.6/File1"), QStringLiteral("/elsewhere/one.vqd"));
        raw.setValue(QStringLiteral("3.0.6/File2"), QStringList{QStringLiteral("x"), QStringLiteral("y")});
    }
    TQtSettingsStore qtStore(ini);
    TMainFormServices services = Services();
    services.settings = &qtStore;
    form = std::make_unique<TMainForm>(std::move(services));
    form->show();
    OpenMenu("FileMenu");
    EXPECT_EQ(form->Logic().Settings().PrevFileCount, 0);
    EXPECT_FALSE(form->Action("PrevFile1")->isVisible());
    EXPECT_EQ(form->Logic().Settings().WordProcessorPath, DefaultWordProcessorPath);
}

} // namespace
} // namespace quavis::test
