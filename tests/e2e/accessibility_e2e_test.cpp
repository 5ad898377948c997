// What assistive technology is told of the controls, as the driver's
// "accessible" print reads it through the real window: after a list command,
// a pick, a spinner step and Make.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// The texts of the blocks a run printed with header ("tooltip 3"), each as
// printed in UTF-8 without its bars, the lines joined as the accessible print
// joins the lines of a text.
std::vector<std::string> Texts(const DriverRun& run, const std::string& header) {
    std::vector<std::string> texts;
    for (size_t i = 0; i < run.out.size(); ++i) {
        if (run.out[i].compare(0, header.size() + 1, header + " ") != 0) continue;
        const size_t count = std::stoul(run.out[i].substr(header.size() + 1));
        std::string text;
        for (size_t k = 1; k <= count && i + k < run.out.size(); ++k) {
            const std::string& line = run.out[i + k];
            text += (k > 1 ? "\\n" : "") + line.substr(1, line.size() - 2);
        }
        texts.push_back(text);
    }
    return texts;
}

// The text of the nth such block, or a mark that it is missing.
std::string Text(const DriverRun& run, const std::string& header, size_t n = 0) {
    const std::vector<std::string> texts = Texts(run, header);
    return n < texts.size() ? texts[n] : "(no " + header + ")";
}

// Each step runs on from the steps before it, in one run of the driver per
// step; the prints it adds say what the accessible print must read.
TEST(AccessiblePrint, ReadsWhatAScreenReaderReads) {
    struct Step {
        const char* what;
        std::string acts;  // the commands of the step
        std::string prints;
        // The accessible lines expected, from the step's run.
        std::vector<std::string> (*expected)(const DriverRun& run);
    };
    const std::string blur = std::to_string(EntryLine("Button9_Enchant", "Blur"));
    const Step steps[] = {
        {"the window as it opens", "", "accessible Window\naccessible UpDown1\ntooltip UpDown1\n",
         [](const DriverRun& run) {
             return std::vector<std::string>{
                 "accessible Window frame |Tharnwell| || -",
                 "accessible UpDown1 spinbox |Wizard's DX| |" + Text(run, "tooltip") + "| 12"};
         }},
        {"a list command", "press Button9_Enchant\n",
         "accessible RichEdit1\naccessible Button9_Enchant\ntooltip RichEdit1\n"
         "tooltip Button9_Enchant\n",
         [](const DriverRun& run) {
             return std::vector<std::string>{
                 "accessible RichEdit1 editabletext |Enchantment list| |" + Text(run, "tooltip") +
                     "| -",
                 "accessible Button9_Enchant pushbutton |Enchant| |" + Text(run, "tooltip", 1) +
                     "| -"};
         }},
        {"a pick", "pick " + blur + " 3\n", "accessible ListBox1\nsheet\n",
         [](const DriverRun& run) {
             const std::vector<std::string> sheet = Block(run, "sheet");
             return std::vector<std::string>{"accessible ListBox1 list |Item sheet| |" +
                                             (sheet.empty() ? "" : sheet.back()) + "| -"};
         }},
        {"a spinner step", "up\n", "accessible UpDown1\naccessible Label13\ntooltip UpDown1\n",
         [](const DriverRun& run) {
             const std::string tip = Text(run, "tooltip");
             return std::vector<std::string>{
                 "accessible UpDown1 spinbox |Wizard's DX| |" + tip + "| 13",
                 "accessible Label13 statictext |DX: 13| |" + tip + "| -"};
         }},
        {"Make", "press Button_Make\n",
         "accessible RichEdit1\naccessible Edit1\ntooltip RichEdit1\ntooltip Edit1\n",
         [](const DriverRun& run) {
             return std::vector<std::string>{
                 "accessible RichEdit1 editabletext |Making report| |" + Text(run, "tooltip") +
                     "| -",
                 "accessible Edit1 editabletext |Item name| |" + Text(run, "tooltip", 1) + "| -"};
         }},
    };
    std::string script = "seed 3\n";
    for (const Step& step : steps) {
        script += step.acts;
        const DriverRun run = RunFine(script + step.prints);
        EXPECT_EQ(Prefixed(run, "accessible "), step.expected(run)) << step.what;
    }
}

}  // namespace
