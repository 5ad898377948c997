// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis at the wizard's DX: Shift with a press of Analyze, or
// Shift+Alt+A, lists every magic item with what making it alone comes to at
// the DX the making uses. It is a list like the analysis, whose lines pick
// alike; while it is on show, a step of the spinner lists it again at the
// new DX, in the same sort and with the caret on the same item.
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

#include "app/tform1.h"
#include "ui/accessible_controls.h"
#include "workshop/lists/analysis_at_dx.h"

void TForm1::WireAnalysisAtDX() {
    // Shift with a press of Analyze lists it too (Button_AnalyzeClick).
    auto* list = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_A), this);
    list->setObjectName(QStringLiteral("AnalysisAtDXShortcut"));
    connect(list, &QShortcut::activated, this, &TForm1::ShowAnalysisAtDX);
}

void TForm1::ShowAnalysisAtDX() {
    const int32_t dx = workshop_.DX;
    ShowListing(ListAnalysisAtDX(catalogs_, AnalysisAtDXRows(catalogs_, dx)),
                AnalysisAtDXName(dx).c_str());
    analysisDX_ = dx;
}

void TForm1::AnalysisFollowsDX() {
    if (!analysisDX_ || *analysisDX_ == workshop_.DX) return;
    analysisDX_ = workshop_.DX;
    // The caret's item by its line as listed, which the new list keeps.
    const size_t item = CatalogLineOf(static_cast<size_t>(RichEdit1->CaretLine()));
    const int column = RichEdit1->CaretColumn();
    const int down = RichEdit1->verticalScrollBar()->value();
    const int across = RichEdit1->horizontalScrollBar()->value();

    listed_ = ListAnalysisAtDX(catalogs_, AnalysisAtDXRows(catalogs_, workshop_.DX));
    ShowSorted();
    const auto shown = std::find(catalogLineOf_.begin(), catalogLineOf_.end(), item);
    const size_t line = catalogLineOf_.empty() ? item : shown - catalogLineOf_.begin();
    RichEdit1->verticalScrollBar()->setValue(down);
    RichEdit1->horizontalScrollBar()->setValue(across);
    RichEdit1->PutCaret(static_cast<int>(line), column);
    AnnounceName(RichEdit1, ToQt(AnalysisAtDXName(workshop_.DX)));
}
