// SPDX-License-Identifier: GPL-3.0-or-later
// A name pasted into the name box, line breaks and all: the item's name is
// one line, the report keeps its shape, and what the box showed as a blank
// is a blank in the name.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>

#include "app/tform1.h"
#include "ui/control_names.h"

namespace {

TEST(PastedName, ControlCharactersBecomeBlanksAndTheReportKeepsItsLines) {
    struct Case {
        QString pasted;
        std::string name;
    };
    const Case cases[] = {
        {QStringLiteral("Cloak\nof Blur"), "Cloak of Blur"},
        {QStringLiteral("Cloak\r\nof Blur\n"), "Cloak  of Blur "},
        {QStringLiteral("Cloak\rof\tBlur"), "Cloak of Blur"},
        {QStringLiteral("Ring") + QChar(0) + QChar(0x1B) + QStringLiteral("Ærø"),
         "Ring  \xC6r\xF8"},
        {QStringLiteral("Line") + QChar(0x2028) + QChar(0x2029) + QStringLiteral("end"),
         "Line??end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TForm1 form;
        CommandButton* make = ButtonNamed(form, "Button_Make");
        NameBox* nameBox = Named<NameBox>(form, "Edit1");
        form.SetTimerHeld(true);
        form.show();
        form.Rectify_Magic_Item_list(2);  // Blur
        QTest::mouseClick(make, Qt::LeftButton);
        QApplication::clipboard()->setText(c.pasted);
        nameBox->setFocus();
        QTest::keyClick(nameBox, Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(make, Qt::LeftButton);

        EXPECT_EQ(form.Workshop().MadeItemName, c.name);
        const OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
        const std::vector<std::string> report = pane->Lines();
        ASSERT_EQ(report.size(), 6u);  // name, blank, base, blank, blank, total
        EXPECT_EQ(report[0], c.name);
        EXPECT_EQ(report[5].substr(0, 19), "            Total  ");
        EXPECT_EQ(pane->document()->blockCount(), 6);
    }
}

}  // namespace
