// SPDX-License-Identifier: GPL-3.0-or-later
// The window itself: the making timer wakes the program only while an item
// is being made, the name box names the item on Enter, the tooltips
// forecast the making, the caret's line is highlighted and the focus shows on
// every control.
#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

#include "app/tform1.h"
#include "catalog/magic_item.h"
#include "ui/control_names.h"
#include "ui/find_field.h"
#include "ui/focus_frame.h"
#include "ui/latin1.h"
#include "workshop/lists/enchantment_list.h"
#include "workshop/making/forecast.h"
#include "workshop/making/forecast_text.h"

namespace {

void RunEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(MakingTimer, IdleWithoutAMaking) {
    TForm1 form;
    const QTimer* timer = Named<QTimer>(form, "Timer1");
    form.show();
    RunEventsFor(20);
    EXPECT_FALSE(timer->isActive());
    // List commands and picks start no making.
    form.Button9_EnchantClick();
    form.Rectify_Magic_Item_list(2);
    form.Print_OutPut();
    EXPECT_FALSE(timer->isActive());
}

TEST(MakingTimer, RunsWhileMakingAndStopsWhenDone) {
    TForm1 form;
    const QTimer* timer = Named<QTimer>(form, "Timer1");
    form.show();
    form.Rectify_Magic_Item_list(19);  // Dazzle Gem: one good week finishes it
    form.Button_MakeClick();
    EXPECT_TRUE(form.Workshop().Making);
    EXPECT_TRUE(timer->isActive());
    QElapsedTimer clock;
    clock.start();
    while (form.Workshop().Making && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    EXPECT_FALSE(form.Workshop().Making);
    EXPECT_TRUE(form.Workshop().MakingDone);
    EXPECT_FALSE(timer->isActive());
}

TEST(MakingTimer, HeldTimerWaitsForTheDriver) {
    TForm1 form;
    const QTimer* timer = Named<QTimer>(form, "Timer1");
    form.SetTimerHeld(true);
    form.Button_MakeClick();
    EXPECT_TRUE(form.Workshop().Making);
    EXPECT_FALSE(timer->isActive());
    form.SetTimerHeld(false);
    EXPECT_TRUE(timer->isActive());
}

TEST(NameBox, EnterNamesTheItem) {
    TForm1 form;
    NameBox* nameBox = Named<NameBox>(form, "Edit1");
    form.SetTimerHeld(true);
    form.show();
    form.Button_MakeClick();
    nameBox->setText(QStringLiteral("Ring of Ærø"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(nameBox, &enter);
    EXPECT_EQ(form.Workshop().MadeItemName, "Ring of \xC6r\xF8");
    EXPECT_EQ(ButtonNamed(form, "Button_Make")->Caption(), "&Make");
    EXPECT_TRUE(form.Workshop().Making);  // naming leaves the making running
}

// Clicks the line of the output pane that starts with text, as a press of
// the left button there would.
void ClickLine(TForm1& form, const Listing& listing, const std::string& text) {
    for (size_t k = 0; k < listing.lines.size(); ++k) {
        if (listing.lines[k].compare(0, text.size(), text) != 0) continue;
        Named<OutputPane>(form, "RichEdit1")->SetSelStart(static_cast<int>(125 * k + 3));
        form.RichEdit1MouseDown(Qt::LeftButton);
        return;
    }
    ADD_FAILURE() << "no line " << text;
}

// The forecast a tooltip opens with, before the lines on the keys; the
// window breaks it after the odds.
std::string TipForecast(const QString& tip, const char* keys) {
    QString text = tip.left(tip.indexOf(QLatin1String(keys)));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return FromQt(text.replace(QStringLiteral(".\nExpect "), QStringLiteral(". Expect ")));
}
std::string MakeTip(const TForm1& form) {
    return TipForecast(ButtonNamed(form, "Button_Make")->toolTip(), "\nMakes the item");
}
std::string SpinnerTip(const TForm1& form) {
    return TipForecast(Named<UpDown>(form, "UpDown1")->toolTip(), "\nThe wizard's DX");
}

// What the core forecasts for the window's bench at a DX.
std::string Forecast(const TForm1& form, int32_t dx) {
    return ForecastText(ForecastMaking(form.Catalogs(), form.Workshop(), dx));
}

TEST(ForecastTips, FollowThePicksAndTheSpinner) {
    TForm1 form;
    UpDown* spinner = Named<UpDown>(form, "UpDown1");
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
    spinner->UpArrow()->click();
    EXPECT_EQ(form.Workshop().DX, 13);
    EXPECT_EQ(MakeTip(form), Forecast(form, 13));
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(13));
    EXPECT_NE(MakeTip(form), blur);
    spinner->DownArrow()->click();
    spinner->DownArrow()->click();
    EXPECT_EQ(MakeTip(form), Forecast(form, 11));
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(11));

    // Beyond 16 the spinner moves on, the DX and its tooltips stay at 16.
    spinner->SetPosition(16);
    spinner->UpArrow()->click();
    EXPECT_EQ(spinner->Position(), 17);
    EXPECT_EQ(SpinnerTip(form), WeekChanceText(16));
    EXPECT_EQ(MakeTip(form), Forecast(form, 16));
}

TEST(ForecastTips, MakeButtonTipOnlyWhileItMakes) {
    TForm1 form;
    const CommandButton* make = ButtonNamed(form, "Button_Make");
    form.SetTimerHeld(true);
    form.Rectify_Magic_Item_list(2);  // Blur
    form.Print_OutPut();
    form.Button_MakeClick();
    ASSERT_EQ(make->Caption(), "&Name");
    // While the button names the item, a pick leaves its tooltip alone.
    const std::string whileNaming = MakeTip(form);
    form.Rectify_Magic_Item_list(5);  // Detect Magic
    form.Print_OutPut();
    EXPECT_EQ(MakeTip(form), whileNaming);
    // Named, the button makes again and forecasts the bench as it is now.
    form.Button_MakeClick();
    ASSERT_EQ(make->Caption(), "&Make");
    EXPECT_EQ(MakeTip(form), Forecast(form, 12));
    EXPECT_NE(MakeTip(form), whileNaming);
}

// The one band behind the caret's line, across the pane's width; the caret
// moves and the band follows, and neither the text nor the selection a pick
// left is touched by it.
TEST(CaretLine, HighlightFollowsTheCaret) {
    TForm1 form;
    form.show();
    form.Button9_EnchantClick();
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    const auto bandLine = [pane] {
        const QList<QTextEdit::ExtraSelection> bands = pane->extraSelections();
        EXPECT_EQ(bands.size(), 1);
        if (bands.size() != 1) return -1;
        EXPECT_TRUE(bands[0].format.boolProperty(QTextFormat::FullWidthSelection));
        EXPECT_FALSE(bands[0].cursor.hasSelection());
        return bands[0].cursor.blockNumber();
    };
    EXPECT_EQ(bandLine(), 0);
    const std::vector<std::string> lines = pane->Lines();
    struct Step {
        Qt::Key key;
        int line;
    };
    const Step steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2},  {Qt::Key_Up, 1},
                          {Qt::Key_End, 1},  {Qt::Key_Right, 2}, {Qt::Key_Home, 2}};
    for (const Step& step : steps) {
        QKeyEvent press(QEvent::KeyPress, step.key, Qt::NoModifier);
        QApplication::sendEvent(pane, &press);
        EXPECT_EQ(pane->textCursor().blockNumber(), step.line) << step.key;
        EXPECT_EQ(bandLine(), step.line) << step.key;
    }
    // A pick keeps its 28 characters selected under the band.
    pane->SetSelStart(3 * 125 + 9);
    form.RichEdit1MouseDown(Qt::LeftButton);
    EXPECT_EQ(pane->SelStart(), 3 * 125);
    EXPECT_EQ(pane->SelLength(), 28);
    EXPECT_EQ(bandLine(), 3);
    EXPECT_EQ(pane->Lines(), lines);
    // A new list starts the band at its caret again.
    form.Button_PotionClick();
    EXPECT_EQ(bandLine(), pane->textCursor().blockNumber());
    // Over the lines found in every list a heading and the count, which pick
    // nothing, take no band; an entry's line does.
    form.OpenFindInEveryList();
    auto* field = form.findChild<FindField*>();
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("ruby"));
    emit field->textEdited(field->text());
    ASSERT_EQ(pane->LineCount(), 3);
    for (const int line : {0, 1, 2}) {
        pane->PutCaret(line, 0);
        int bands = 0;
        for (const QTextEdit::ExtraSelection& mark : pane->extraSelections()) {
            bands += mark.format.boolProperty(QTextFormat::FullWidthSelection) ? 1 : 0;
        }
        EXPECT_EQ(bands, line == 1 ? 1 : 0) << line;
    }
}

// The focus ring lies over whichever control has the focus, follows it, and
// goes when the focus is on none of them or the control hides.
TEST(FocusFrame, RingsTheFocusedControl) {
    TForm1 form;
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    UpDown* spinner = Named<UpDown>(form, "UpDown1");
    NameBox* nameBox = Named<NameBox>(form, "Edit1");
    form.SetTimerHeld(true);
    form.show();
    form.activateWindow();
    QCoreApplication::processEvents();
    auto* ring = form.findChild<FocusFrame*>();
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(ring->testAttribute(Qt::WA_TransparentForMouseEvents));
    for (const char* name : {"ListBox1", "UpDown1", "Button_Gem", "Button_Make", "RichEdit1"}) {
        QWidget* control = Named<QWidget>(form, name);
        control->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(control->hasFocus()) << control->objectName().toStdString();
        EXPECT_TRUE(ring->isVisible()) << control->objectName().toStdString();
        EXPECT_EQ(ring->geometry(), control->geometry()) << control->objectName().toStdString();
    }
    // The pane's ring follows it as the window resizes.
    form.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(ring->geometry(), pane->geometry());
    // Naming: the spinner hides, the name box takes the focus and the ring.
    spinner->setFocus(Qt::OtherFocusReason);
    form.Button_MakeClick();
    QCoreApplication::processEvents();
    EXPECT_TRUE(nameBox->hasFocus());
    EXPECT_EQ(ring->geometry(), nameBox->geometry());
    // A hidden control loses the ring with the focus.
    nameBox->hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(nameBox->hasFocus());
    QWidget* now = QApplication::focusWidget();
    if (ring->isVisible()) {
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(ring->geometry(), now->geometry()) << now->objectName().toStdString();
    }
}

// The DX label only ever grows, and keeps its left and top.
TEST(LabelFit, GrowsForAWiderCaptionAndNeverNarrows) {
    TForm1 form;
    Label* dxLabel = Named<Label>(form, "Label13");
    const QRect design = dxLabel->geometry();
    dxLabel->SetCaption("DX: 1");
    EXPECT_EQ(dxLabel->geometry(), design);
    const std::string wide = "A caption far wider than any the program sets";
    dxLabel->SetCaption(wide);
    EXPECT_EQ(dxLabel->pos(), design.topLeft());
    EXPECT_EQ(dxLabel->height(), design.height());
    EXPECT_GE(dxLabel->width(),
              dxLabel->fontMetrics().horizontalAdvance(QString::fromLatin1(wide.c_str())));
    const int grown = dxLabel->width();
    dxLabel->SetCaption("DX: 12");
    EXPECT_EQ(dxLabel->width(), grown);
}

// Whatever the strip below the pane shows, at the opening size or another,
// at the top of a list or scrolled: it lies between the text and the scroll
// bar, the text above it ends on a whole line, and a message is read whole.
TEST(PaneStrip, ItsPartLiesBelowWholeLinesAndAMessageShowsWhole) {
    TForm1 form;
    form.SetTimerHeld(true);
    form.show();
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    form.Rectify_Magic_Item_list(2);  // Blur, made and not yet named: a paste is then refused
    form.Button_MakeClick();
    while (form.Workshop().Making) form.Timer1Timer();
    form.Button9_EnchantClick();
    const QString refused =
        "No plan pasted: the bench belongs to the item being made until its name is stored";
    const struct {
        QString part;
        int scroll, width, height;
    } rows[] = {{"FindField", 0, 626, 442},   {"FindField", 9, 626, 442},
                {"HoardField", 5, 560, 400},  {"PlanMessage", 0, 626, 442},
                {"PlanMessage", 9, 420, 400}, {"PlanMessage", 3, 900, 600}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.part.toStdString() + " " + std::to_string(row.width));
        pane->verticalScrollBar()->setValue(row.scroll);
        row.part == "FindField"    ? form.OpenFind()
        : row.part == "HoardField" ? form.OpenHoard()
                                   : form.PastePlan();
        form.resize(row.width, row.height);
        QCoreApplication::processEvents();
        ASSERT_EQ(pane->verticalScrollBar()->value() > 0, row.scroll > 0);
        const QWidget* part = pane->findChild<QWidget*>(row.part);
        ASSERT_TRUE(part != nullptr && part->isVisible());
        const QRect text = pane->viewport()->geometry();
        const QRect placed(part->mapTo(pane, QPoint(0, 0)), part->size());
        EXPECT_TRUE(placed.top() > text.bottom() && placed.right() <= text.right());
        EXPECT_LT(placed.bottom(), pane->horizontalScrollBar()->mapTo(pane, QPoint(0, 0)).y());
        // The line at the text's last row of pixels ends there.
        const QTextCursor last = pane->cursorForPosition(QPoint(4, text.height() - 1));
        EXPECT_LE(pane->cursorRect(last).bottom(), text.height() - 1);
        const auto* message = qobject_cast<const QLabel*>(part);
        if (message == nullptr) continue;
        EXPECT_TRUE(message->text() == refused && message->toolTip() == refused &&
                    message->accessibleDescription() == refused);
        // Room for every line of it, wrapped at the width it has.
        const int m = message->margin();
        const QRect room = message->contentsRect().adjusted(m, m, -m, -m);
        const QRect needed = message->fontMetrics().boundingRect(
            QRect(room.topLeft(), QSize(room.width(), 1000)), Qt::TextWordWrap, refused);
        EXPECT_LE(needed.height(), room.height());
    }
}

}  // namespace
