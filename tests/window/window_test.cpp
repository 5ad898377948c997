// The window itself: the making timer wakes the program only while an item
// is being made, and the name box names the item on Enter.
#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include "app/tform1.h"

namespace {

void RunEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(MakingTimer, IdleWithoutAMaking) {
    TForm1 form;
    form.show();
    RunEventsFor(20);
    EXPECT_FALSE(form.Timer1->isActive());
    // List commands and picks start no making.
    form.Button9_EnchantClick();
    form.Rectify_Magic_Item_list(2);
    form.Print_OutPut();
    EXPECT_FALSE(form.Timer1->isActive());
}

TEST(MakingTimer, RunsWhileMakingAndStopsWhenDone) {
    TForm1 form;
    form.show();
    form.Rectify_Magic_Item_list(19);  // Dazzle Gem: one good week finishes it
    form.Button_MakeClick();
    EXPECT_TRUE(form.Workshop().Making);
    EXPECT_TRUE(form.Timer1->isActive());
    QElapsedTimer clock;
    clock.start();
    while (form.Workshop().Making && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_FALSE(form.Workshop().Making);
    EXPECT_TRUE(form.Workshop().MakingDone);
    EXPECT_FALSE(form.Timer1->isActive());
}

TEST(MakingTimer, HeldTimerWaitsForTheDriver) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.Button_MakeClick();
    EXPECT_TRUE(form.Workshop().Making);
    EXPECT_FALSE(form.Timer1->isActive());
    form.SetTimerHeld(false);
    EXPECT_TRUE(form.Timer1->isActive());
}

TEST(NameBox, EnterNamesTheItem) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    form.Button_MakeClick();
    form.Edit1->setText(QStringLiteral("Ring of Ærø"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form.Edit1, &enter);
    EXPECT_EQ(form.Workshop().MadeItemName, "Ring of \xC6r\xF8");
    EXPECT_EQ(form.Button_Make->Caption(), "&Make");
    EXPECT_TRUE(form.Workshop().Making);  // naming leaves the making running
}

}  // namespace
