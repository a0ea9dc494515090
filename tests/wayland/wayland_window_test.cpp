// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a Wayland client: it comes up with its caption, its size and
// its record list, works, and closes without a word from the connection.
#include <QGuiApplication>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include "data_folder.h"

namespace {

// Every message Qt's Wayland client code writes while the test runs.
QStringList WaylandMessages;

void KeepWaylandMessages(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (QByteArray(context.category ? context.category : "").startsWith("qt.qpa.wayland")
        || text.contains(QStringLiteral("Wayland"), Qt::CaseInsensitive))
        WaylandMessages << text;
}

class WaylandWindowTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"))
            << "run under a Wayland compositor with QT_QPA_PLATFORM=wayland";
        WaylandMessages.clear();
        previousHandler_ = qInstallMessageHandler(KeepWaylandMessages);
        DataFolderTest::SetUp();
    }
    void TearDown() override
    {
        DataFolderTest::TearDown();
        qInstallMessageHandler(previousHandler_);
    }

private:
    QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(WaylandWindowTest, ComesUpWithCaptionSizeAndRecordListAndClosesCleanly)
{
    Start(ExampleRecord());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->windowHandle()->title(), QStringLiteral("Толвазен - версия 5.42"));
    EXPECT_EQ(form->width(), 724);
    EXPECT_EQ(form->centralWidget()->height(), 410);
    EXPECT_EQ(form->Panel1->geometry(), QRect(0, 0, 369, 410));
    EXPECT_EQ(form->Chart1->geometry(), QRect(369, 0, 355, 410));
    EXPECT_EQ(form->StringGrid2->Cells(0, 1), QStringLiteral("1"));
    EXPECT_EQ(Listed(1), QStringLiteral("05.03.2007  14:27"));

    ClickRecord(1);
    EXPECT_EQ(form->Chart1->Series1.Count(), 3) << "a click in the list loads and fits the record";

    form->N3->trigger();
    Settle();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(WaylandMessages.isEmpty()) << WaylandMessages.join(QLatin1Char('\n')).toStdString();
}

}
