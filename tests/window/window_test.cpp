// The window itself: the making timer wakes the program only while an item
// is being made, the name box names the item on Enter, and the tooltips
// forecast the making.
#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QToolButton>

#include "app/tform1.h"
#include "catalog/magic_item.h"
#include "ui/latin1.h"
#include "workshop/enchantment_list.h"
#include "workshop/forecast.h"
#include "workshop/forecast_text.h"

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

// Clicks the line of the output pane that starts with text, as a press of
// the left button there would.
void ClickLine(TForm1& form, const Listing& listing, const std::string& text) {
    for (size_t k = 0; k < listing.lines.size(); ++k) {
        if (listing.lines[k].compare(0, text.size(), text) != 0) continue;
        form.RichEdit1->SetSelStart(static_cast<int>(125 * k + 3));
        form.RichEdit1MouseDown(Qt::LeftButton);
        return;
    }
    ADD_FAILURE() << "no line " << text;
}

std::string MakeTip(const TForm1& form) { return FromQt(form.Button_Make->toolTip()); }
std::string SpinnerTip(const TForm1& form) { return FromQt(form.UpDown1->toolTip()); }

// What the core forecasts for the window's bench at a DX.
std::string Forecast(const TForm1& form, int32_t dx) {
    return ForecastText(ForecastMaking(form.Catalogs(), form.Workshop(), dx));
}

TEST(ForecastTips, FollowThePicksAndTheSpinner) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    // At start-up: the empty bench, and the chance at DX 12.
    EXPECT_EQ(MakeTip(form), Forecast(form, 12));
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(12));
    const std::string empty = MakeTip(form);

    form.Button9_EnchantClick();
    ClickLine(form, ListEnchantments(form.Catalogs()), "Blur ");
    ASSERT_EQ(form.Catalogs().Slot(1).Name, "Blur");
    const std::string blur = MakeTip(form);
    EXPECT_NE(blur, empty);
    EXPECT_EQ(blur, Forecast(form, 12));

    // Each arrow moves the DX and both tooltips with it.
    form.UpDown1->UpArrow()->click();
    EXPECT_EQ(form.Workshop().DX, 13);
    EXPECT_EQ(MakeTip(form), Forecast(form, 13));
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(13));
    EXPECT_NE(MakeTip(form), blur);
    form.UpDown1->DownArrow()->click();
    form.UpDown1->DownArrow()->click();
    EXPECT_EQ(MakeTip(form), Forecast(form, 11));
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(11));

    // Beyond 16 the spinner moves on, the DX and its tooltips stay at 16.
    form.UpDown1->SetPosition(16);
    form.UpDown1->UpArrow()->click();
    EXPECT_EQ(form.UpDown1->Position(), 17);
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(16));
    EXPECT_EQ(MakeTip(form), Forecast(form, 16));
}

TEST(ForecastTips, MakeButtonTipOnlyWhileItMakes) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.Rectify_Magic_Item_list(2);  // Blur
    form.Print_OutPut();
    form.Button_MakeClick();
    ASSERT_EQ(form.Button_Make->Caption(), "&Name");
    // While the button names the item, a pick leaves its tooltip alone.
    const std::string whileNaming = MakeTip(form);
    form.Rectify_Magic_Item_list(5);  // Detect Magic
    form.Print_OutPut();
    EXPECT_EQ(MakeTip(form), whileNaming);
    // Named, the button makes again and forecasts the bench as it is now.
    form.Button_MakeClick();
    ASSERT_EQ(form.Button_Make->Caption(), "&Make");
    EXPECT_EQ(MakeTip(form), Forecast(form, 12));
    EXPECT_NE(MakeTip(form), whileNaming);
}

}  // namespace
