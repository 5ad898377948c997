// SPDX-License-Identifier: GPL-3.0-or-later
// What the window does to start and to show a list quickly must leave
// everything as the plain way would: a list put into the pane gives the
// scroll bars, the view, the caret and its band that Qt's own fill gives, and
// building the window leaves the application's font as it found it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QScrollBar>

#include <ostream>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "catalog/carpet.h"
#include "catalog/fauna.h"
#include "catalog/job.h"
#include "catalog/weapon_list.h"
#include "ui/control_names.h"
#include "ui/latin1.h"
#include "workshop/lists/enchantment_list.h"

namespace {

QString Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\n" : "") + lines[i];
    return ToQt(text);
}

// What a look at the pane shows: both scroll bars, the caret and its band.
struct View {
    int vMax, vPage, vValue, hMax, hValue, caret, bandLine;
    bool centred;
    bool operator==(const View& o) const {
        return vMax == o.vMax && vPage == o.vPage && vValue == o.vValue && hMax == o.hMax &&
               hValue == o.hValue && caret == o.caret && bandLine == o.bandLine &&
               centred == o.centred;
    }
};

std::ostream& operator<<(std::ostream& out, const View& v) {
    return out << "vertical " << v.vMax << '/' << v.vPage << '/' << v.vValue << " horizontal "
               << v.hMax << '/' << v.hValue << " caret " << v.caret << " band " << v.bandLine
               << (v.centred ? " centred" : "");
}

View ViewOf(const QPlainTextEdit& pane) {
    const QList<QTextEdit::ExtraSelection> bands = pane.extraSelections();
    return {pane.verticalScrollBar()->maximum(),
            pane.verticalScrollBar()->pageStep(),
            pane.verticalScrollBar()->value(),
            pane.horizontalScrollBar()->maximum(),
            pane.horizontalScrollBar()->value(),
            pane.textCursor().position(),
            bands.size() == 1 ? bands[0].cursor.blockNumber() : -1,
            pane.centerOnScroll()};
}

TEST(PaneFill, ScrollBarsViewAndBandAsQtsOwnFill) {
    TForm1 form;
    form.show();
    QApplication::processEvents();
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    // A pane like it beside it, filled by QPlainTextEdit itself.
    OutputPane reference(&form);
    reference.setFont(pane->font());
    reference.setGeometry(pane->geometry());
    reference.show();

    const CatalogTable& catalogs = form.Catalogs();
    const std::vector<std::vector<std::string>> lists = {
        ListFauna(catalogs).lines, ListCarpets(catalogs).lines,      ListWeapons(catalogs).lines,
        ListJobs(catalogs).lines,  ListEnchantments(catalogs).lines, ListFauna(catalogs).lines,
    };
    for (size_t k = 0; k < lists.size(); ++k) {
        SCOPED_TRACE(k);
        // Both start from the list before, scrolled to its far corner.
        static_cast<QPlainTextEdit&>(reference).setPlainText(Joined(pane->Lines()));
        for (QPlainTextEdit* edit :
             {static_cast<QPlainTextEdit*>(pane), static_cast<QPlainTextEdit*>(&reference)}) {
            edit->moveCursor(QTextCursor::End);
            edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
            edit->horizontalScrollBar()->setValue(edit->horizontalScrollBar()->maximum());
        }
        ASSERT_EQ(ViewOf(*pane).vValue, ViewOf(reference).vValue);

        pane->SetLines(lists[k]);
        static_cast<QPlainTextEdit&>(reference).setPlainText(Joined(lists[k]));
        QApplication::processEvents();
        EXPECT_EQ(ViewOf(*pane), ViewOf(reference));
        EXPECT_EQ(pane->Lines(), lists[k]);
    }
}

TEST(WindowBuild, LeavesTheApplicationFontAsItFoundIt) {
    const QFont original = QApplication::font();
    QFont distinct(QStringLiteral("Serif"));
    distinct.setPixelSize(17);
    QGuiApplication::setFont(distinct);
    {
        TForm1 form;
        EXPECT_EQ(QApplication::font(), distinct);
        // A tooltip or a menu opened later takes the application's font.
        const QWidget later;
        EXPECT_EQ(later.font(), distinct);
    }
    QGuiApplication::setFont(original);
}

}  // namespace
