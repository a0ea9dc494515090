#pragma once

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

// Shows `form` modally as the main menu does, runs `whileShown` once the window is
// up, then closes it as the caption's close button does.
inline void ShowModally(QDialog& form, const std::function<void()>& whileShown)
{
    QTimer::singleShot(0, &form, [&] {
        whileShown();
        form.close();
    });
    form.exec();
}

// Every way of typing, deleting and pasting leaves the text as it was.
inline void ExpectTypingChangesNothing(QPlainTextEdit* field)
{
    const QString before = field->toPlainText();
    QApplication::clipboard()->setText(QStringLiteral("вставка"));
    QTest::keyClick(field, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("abc 1.5"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->toPlainText(), before);
    EXPECT_FALSE(field->document()->isModified());
}

inline QStringList LinesOf(const QPlainTextEdit* field)
{
    return field->toPlainText().split(QLatin1Char('\n'));
}

// The face and height the user sees, after font matching.
inline void ExpectSeenFont(const QFont& font, const char* family, int pixelHeight)
{
    const QFontInfo seen(font);
    EXPECT_EQ(seen.family(), QString::fromLatin1(family));
    EXPECT_EQ(seen.pixelSize(), pixelHeight);
}

// Window-text letters on clSilver, wrapped at the field's width.
inline void ExpectSilverWrappingField(const QPlainTextEdit* field)
{
    const QPalette palette = field->palette();
    EXPECT_EQ(palette.color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(palette.color(QPalette::Text), palette.color(QPalette::WindowText));
    EXPECT_EQ(field->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}
