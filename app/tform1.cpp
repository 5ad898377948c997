// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "catalog/weapon_list.h"
#include "ui/pane_message.h"
#include "ui/pane_strip.h"
#include "workshop/bench/wizard_dx.h"
#include "workshop/lists/analysis.h"
#include "workshop/lists/catalog_lists.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    // Before any control exists: Qt keeps the first accessible interface of each.
    InstallAccessibility();
    BuildControls();
    strip_ = new PaneStrip(RichEdit1);
    connect(strip_, &PaneStrip::closed, this, &TForm1::StripPartClosed);
    WireKeys();
    WireFind();
    WireSort();
    WireHoard();
    WireShares();
    WirePlans();
    WireAnalysisAtDX();
    FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

std::string TForm1::GetDiceText(int32_t dice, int32_t adds) const {
    return ::GetDiceText(dice, adds);
}

void TForm1::FormCreate() {
    random_.ReseedFromClock();
    catalogs_.Build();
    Button_WeaponClick();
    workshop_.Making = false;
    workshop_.MakingDone = false;
    workshop_.DX = kStartDX;
    ApplyMoment();
}

void TForm1::FormDestroy() {
    Timer1->stop();
    catalogs_.FreeAll();
}

void TForm1::ShowListing(Listing listing) {
    // A hoard rolled from its field keeps the field open for the next roll,
    // shares theirs for another count, and the lines found in every list the
    // find field for the next letter.
    const bool fieldLists = (listing.shown == ShownList::Hoard && HoardOpen()) ||
                            (listing.shown == ShownList::Shares && SharesOpen()) ||
                            (listing.shown == ShownList::EveryList && FindsEveryList());
    if (!fieldLists) strip_->Close(false);
    typeAhead_.End();  // a new list, a new search
    found_.clear();
    EndSort();  // a list comes in catalog order
    analysisDX_.reset();
    listed_ = std::move(listing);
    ShowHeaders(listed_.Header());
    RichEdit1->SetLines(listed_.lines);
    if (listed_.returnToTop) {
        RichEdit1->SetSelLength(0);
        RichEdit1->SetSelStart(0);
    } else {
        // The lists that keep no reset leave the caret where the last line
        // went in, at the end, as adding lines one by one would.
        RichEdit1->MoveCaretToEnd();
    }
    workshop_.shown = listed_.shown;
}

void TForm1::StripPartClosed(QWidget* part) {
    if (part == findField_) {
        RichEdit1->MarkFound({}, -1);
        // Closing the field ends finding in every list; its lines stay on show.
        findField_->SetEveryList(false);
        everyList_.clear();
    }
    // The pane says again what it said before the message, unless it has
    // news of its own.
    if (part == planMessage_ && RichEdit1->accessibleDescription() == planMessage_->Message()) {
        RichEdit1->setAccessibleDescription(paneDescription_);
    }
}

void TForm1::ShowHeaders(const ListHeader& headers) {
    const std::array<Label*, 13> labels = Labels();
    for (size_t k = 0; k < headers.size(); ++k) {
        const LabelPlace& place = headers[k].place;
        labels[k]->move(HeaderLabelLeft(place.column, place.nudge), labels[k]->y());
        labels[k]->SetCaption(headers[k].caption);
    }
}

void TForm1::ShowCatalogList(ShownList shown) {
    const CatalogList& list = CatalogListOf(shown);
    ShowListing(list.list(catalogs_), list.name);
}

void TForm1::Button_WeaponClick() { ShowCatalogList(ShownList::Weapons); }
void TForm1::Button_EquipmentClick() { ShowCatalogList(ShownList::Equipment); }
void TForm1::Button_ScrollClick() { ShowCatalogList(ShownList::Scrolls); }
void TForm1::Button_Spell_BookClick() { ShowCatalogList(ShownList::SpellBooks); }
void TForm1::Button_GemClick() { ShowCatalogList(ShownList::Gems); }
void TForm1::Button_JewelryClick() { ShowCatalogList(ShownList::Jewelry); }
void TForm1::Button_CarpetClick() { ShowCatalogList(ShownList::Carpets); }
void TForm1::Button_FaunaClick() { ShowCatalogList(ShownList::Fauna); }
void TForm1::Button_PotionClick() { ShowCatalogList(ShownList::Potions); }
void TForm1::Button_JobClick() { ShowCatalogList(ShownList::Jobs); }
void TForm1::Button9_EnchantClick() { ShowCatalogList(ShownList::MagicItems); }
void TForm1::Button_AnalyzeClick() {
    // Shift held with the mouse's click asks for the analysis at the DX.
    if (Button_Analyze->ClickModifiers() & Qt::ShiftModifier) {
        ShowAnalysisAtDX();
        return;
    }
    ShowListing(Analyze(catalogs_), "Analysis");
}

void TForm1::FormMouseMove(Qt::KeyboardModifiers /*shift*/, int /*x*/, int /*y*/) {}

void TForm1::FormResize() {
    // The output pane fills the bottom of the window; a window shorter than
    // the pane's top leaves it no height rather than a negative one.
    RichEdit1->setGeometry(1, 216, std::max(0, width() - 2), std::max(0, height() - 218));
}

void TForm1::UpDown1Click(UpDown::Arrow /*button*/) {
    workshop_.DX = DXFromSpinner(UpDown1->Position());
    ApplyMoment();
    AnalysisFollowsDX();
}

void TForm1::SetTimerHeld(bool held) {
    timerHeld_ = held;
    UpdateTimer();
}

void TForm1::UpdateTimer() {
    const bool run = TimerWanted() && !timerHeld_;
    if (run && !Timer1->isActive()) Timer1->start();
    if (!run && Timer1->isActive()) Timer1->stop();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove(event->modifiers(), static_cast<int>(event->position().x()),
                  static_cast<int>(event->position().y()));
}
