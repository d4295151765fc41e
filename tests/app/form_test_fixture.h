#pragma once

#include <string>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app_fixture.h"
#include "entry/data_edit.h"
#include "model/project.h"

namespace quavis::test {

// Keys as the user types them, to the widget with the focus.
inline void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

inline void PressKey(QWidget* widget, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

// A field the user clears and types into. (Typed over a selected value, a leading minus would be appended
// to the value as an operator.)
inline void Enter(TDataEdit* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    field->clear();
    Type(field, text);
}

// What a field, label or choice box shows.
inline std::string Text(const QWidget* widget)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text().toStdString();
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
    if (auto* box = qobject_cast<const QComboBox*>(widget)) return box->currentText().toStdString();
    return {};
}

// A shown, active main window whose input forms are reached through the Data menu as the user does.
class InputFormTest : public MainFormTest {
protected:
    void SetUp() override
    {
        Start();
        form->activateWindow();
        QApplication::setActiveWindow(form.get());
        QCoreApplication::processEvents();
    }

    TProgramData& Data() { return form->Logic().ProgramData(); }
    TProject& Project() { return form->Logic().Project(); }

    void SetType(int type)
    {
        Data().FoundationType = type;
        Data().FoundationKeyword = FoundationKeywordOf(type);
        form->Logic().SetModified(false);
    }

    // Chooses a Data menu item and returns the form's window.
    QMdiSubWindow* OpenData(const std::string& item, const std::string& formClass)
    {
        OpenMenu("DataMenu");
        Click(item);
        QCoreApplication::processEvents();
        return form->FindChild(formClass);
    }

    template <class Form>
    Form* OpenForm(const std::string& item, const std::string& formClass)
    {
        QMdiSubWindow* window = OpenData(item, formClass);
        return window ? dynamic_cast<Form*>(window->widget()) : nullptr;
    }

    // Opening the Data menu commits the active form, as every menu does.
    void Commit() { OpenMenu("DataMenu"); }

    void CloseWindow(QMdiSubWindow* window)
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A Data menu item opens its form with its caption once: asked again, the same window comes forward;
    // closed, the open flag goes and the frame is empty.
    void ExpectOneInstanceUntilClosed(const std::string& item, const std::string& formClass, const std::string& caption)
    {
        QMdiSubWindow* window = OpenData(item, formClass);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle().toStdString(), caption);
        EXPECT_TRUE(form->Logic().IsFormOpen(formClass));
        EXPECT_EQ(OpenData(item, formClass), window);
        EXPECT_EQ(form->MdiArea()->subWindowList().size(), 1);
        CloseWindow(window);
        EXPECT_FALSE(form->Logic().IsFormOpen(formClass));
        EXPECT_TRUE(form->MdiArea()->subWindowList().isEmpty());
    }
};

} // namespace quavis::test
