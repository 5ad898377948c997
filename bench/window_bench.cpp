// SPDX-License-Identifier: GPL-3.0-or-later
// The window against the bare window (bench/bare_window.h), side by side:
// start-up to the first painted frame, every list shown in the pane, and the
// peak memory of a process that opens each window.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/tform1.h"
#include "bench/bare_window.h"
#include "journal/sqlite_connection.h"
#include "ui/control_names.h"
#include "ui/up_down.h"

namespace {

// Shows a window and waits until it has been painted once.
void ShowAndPaint(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.repaint();
}

void BM_StartUp_BareWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto window = OpenBareWindow();
        ShowAndPaint(*window);
    }
}
BENCHMARK(BM_StartUp_BareWindow)->Unit(benchmark::kMillisecond);

void BM_StartUp_Tharnwell(benchmark::State& state) {
    for (auto _ : state) {
        TForm1 form;
        ShowAndPaint(form);
    }
}
BENCHMARK(BM_StartUp_Tharnwell)->Unit(benchmark::kMillisecond);

template <void (TForm1::*Command)()>
void BM_ListCommand(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    for (auto _ : state) {
        state.PauseTiming();
        Named<OutputPane>(form, "RichEdit1")->Clear();  // a fresh fill, as after another list
        QApplication::processEvents();
        state.ResumeTiming();
        (form.*Command)();
        QApplication::processEvents();
    }
}
// Every list command, the longest (fauna, 360 lines) among them.
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_WeaponClick)
    ->Name("Command/weapons")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_EquipmentClick)
    ->Name("Command/equipment")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_ScrollClick)
    ->Name("Command/scrolls")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_Spell_BookClick)
    ->Name("Command/spell_books")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_GemClick)
    ->Name("Command/gems")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_JewelryClick)
    ->Name("Command/jewelry")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_CarpetClick)
    ->Name("Command/carpets")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_FaunaClick)
    ->Name("Command/fauna")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button9_EnchantClick)
    ->Name("Command/enchantments")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_PotionClick)
    ->Name("Command/potions")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_JobClick)
    ->Name("Command/jobs")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_ListCommand, &TForm1::Button_AnalyzeClick)
    ->Name("Command/analysis")
    ->Unit(benchmark::kMicrosecond);

// The creatures (the longest list) sorted by a column header's press and
// drawn: by their names (0, a text column) or by Stat Total (5, figures).
void BM_SortCreatures(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    const int header = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        form.Button_FaunaClick();  // in catalog order again
        QApplication::processEvents();
        state.ResumeTiming();
        form.ColumnHeaderPress(header);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SortCreatures)->Name("Sort/fauna")->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

// The analysis at the DX (the argument, 5 to 16) as Shift with Analyze lists
// it: every item's making forecast, listed and drawn.
void BM_AnalysisAtDX(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    Named<UpDown>(form, "UpDown1")->StepTo(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Named<OutputPane>(form, "RichEdit1")->Clear();
        QApplication::processEvents();
        state.ResumeTiming();
        form.ShowAnalysisAtDX();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AnalysisAtDX)
    ->Name("AnalysisAtDX/list")
    ->DenseRange(5, 16)
    ->Unit(benchmark::kMicrosecond);

// A step of the spinner to the DX (the argument) while the analysis at the
// DX is on show, sorted by its profit per week: listed again, sorted, drawn.
void BM_AnalysisAtDXStep(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    const int dx = static_cast<int>(state.range(0));
    const int from = dx == 5 ? 6 : dx - 1;
    auto* spinner = Named<UpDown>(form, "UpDown1");
    spinner->StepTo(from);
    form.ShowAnalysisAtDX();
    form.ColumnHeaderPress(7);
    for (auto _ : state) {
        state.PauseTiming();
        spinner->StepTo(from);
        QApplication::processEvents();
        state.ResumeTiming();
        spinner->StepTo(dx);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AnalysisAtDXStep)
    ->Name("AnalysisAtDX/step")
    ->DenseRange(5, 16)
    ->Unit(benchmark::kMicrosecond);

// Weeks of making per second through the window's own 1 ms timer, the
// report redrawn every week; the timer cannot deliver more than 1,000.
void BM_MakingThroughTheTimer(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    // Five long items: Crystal Ball, Wizard's Wrath spell, W.O.C., Charm (+2), Proxy.
    for (int index : {101, 98, 100, 108, 125}) form.Rectify_Magic_Item_list(index);
    double weeks = 0;
    double seconds = 0;
    for (auto _ : state) {
        form.Button_MakeClick();  // start (or restart) the making
        QElapsedTimer clock;
        clock.start();
        while (form.Workshop().Making && clock.elapsed() < 5000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        seconds += clock.nsecsElapsed() / 1e9;
        weeks += form.Workshop().WeeksElapsed;
        if (form.Moment() != WindowMoment::Planning) form.Button_MakeClick();
    }
    state.counters["weeks_per_second"] = weeks / seconds;
    state.counters["timer_limit"] = 1000;
}
BENCHMARK(BM_MakingThroughTheTimer)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_RandomItemCommand(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    for (auto _ : state) {
        form.Button_RandomClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RandomItemCommand)->Unit(benchmark::kMicrosecond);

// A hoard of 1,000 items as Enter in the hoard field rolls it: rolled,
// listed and shown in the pane (2,000 lines and more).
void BM_HoardCommand(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    form.OpenHoard();
    auto* count = form.findChild<QLineEdit*>(QStringLiteral("HoardCount"));
    count->setText(QStringLiteral("1000"));
    for (auto _ : state) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(count, &enter);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HoardCommand)->Unit(benchmark::kMillisecond);

// Enter in a field below the pane, the pane filled and laid out.
void EnterIn(QLineEdit* field) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QApplication::processEvents();
}

// A hoard rolled to a worth of $1,000,000, from Enter in the hoard field to
// the pane.
void BM_HoardToWorthCommand(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    form.OpenHoard();
    auto* field = form.findChild<QLineEdit*>(QStringLiteral("HoardCount"));
    for (auto _ : state) {
        field->setText(QStringLiteral("$1,000,000"));
        EnterIn(field);
    }
    state.counters["lines"] =
        static_cast<double>(Named<OutputPane>(form, "RichEdit1")->LineCount());
}
BENCHMARK(BM_HoardToWorthCommand)->Unit(benchmark::kMillisecond);

// A hoard of 1,000 items shared among 6, from Enter in the share field to
// the pane.
void BM_ShareCommand(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    form.OpenHoard();
    auto* count = form.findChild<QLineEdit*>(QStringLiteral("HoardCount"));
    count->setText(QStringLiteral("1000"));
    EnterIn(count);
    form.OpenShares();
    auto* shares = form.findChild<QLineEdit*>(QStringLiteral("ShareCount"));
    for (auto _ : state) {
        shares->setText(QStringLiteral("6"));
        EnterIn(shares);
    }
    state.counters["lines"] =
        static_cast<double>(Named<OutputPane>(form, "RichEdit1")->LineCount());
}
BENCHMARK(BM_ShareCommand)->Unit(benchmark::kMillisecond);

// Finding in every list as a letter is typed: the text without its last
// letter stands in the field, the letter comes, the lines found are listed
// and drawn with their marks. "e" finds the most lines (over 1,100).
void BM_FindInEveryList(benchmark::State& state, const char* text) {
    TForm1 form;
    ShowAndPaint(form);
    form.OpenFindInEveryList();
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    auto* field = pane->findChild<FindField*>();
    const QString typed = QString::fromLatin1(text);
    const QString before = typed.left(typed.size() - 1);
    for (auto _ : state) {
        state.PauseTiming();
        field->setText(before);
        emit field->textEdited(before);
        QApplication::processEvents();
        state.ResumeTiming();
        field->setText(typed);
        emit field->textEdited(typed);
        pane->viewport()->repaint();
    }
    state.counters["lines"] = static_cast<double>(pane->LineCount());
}
BENCHMARK_CAPTURE(BM_FindInEveryList, e, "e")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindInEveryList, ruby, "ruby")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindInEveryList, flight, "flight")->Unit(benchmark::kMicrosecond);

// Ctrl+A, Ctrl+C of the longest list (the creatures, 360 lines): its text and
// its HTML table onto the clipboard.
void BM_CopyAsTable(benchmark::State& state) {
    TForm1 form;
    ShowAndPaint(form);
    form.Button_FaunaClick();
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    pane->selectAll();
    for (auto _ : state) {
        pane->copy();
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(pane->LineCount());
}
BENCHMARK(BM_CopyAsTable)->Name("CopyAsTable/fauna")->Unit(benchmark::kMicrosecond);

// A window whose journal is a file of its own, in a fresh folder under the
// build folder's disk (removed after), with Blur on the bench.
struct JournalWindow {
    std::filesystem::path folder;
    std::string file;
    std::unique_ptr<TForm1> form;
    JournalWindow() {
        std::string pattern = (std::filesystem::current_path() / "journal-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        file = (folder / "journal.sqlite").string();
        form = std::make_unique<TForm1>();
        form->SetJournalFile(file);
        form->SetTimerHeld(true);
        ShowAndPaint(*form);
        form->Rectify_Magic_Item_list(2);
    }
    ~JournalWindow() {
        form.reset();
        std::filesystem::remove_all(folder);
    }
    // Makes the bench's item to its last week, the name box waiting.
    void MakeToTheEnd() {
        form->Button_MakeClick();
        while (form->Workshop().Making) form->Timer1Timer();
        Named<NameBox>(*form, "Edit1")->setText(QStringLiteral("Glimmer"));
        QApplication::processEvents();
    }
};

// Name pressed on an item made: the name stored, the item kept in the
// journal's file (one transaction, synced to the disk), the report shown. Its
// wall time is mostly the disk's syncs; its CPU time the program's own.
void BM_KeepItemMade(benchmark::State& state) {
    JournalWindow window;
    window.MakeToTheEnd();
    window.form->Button_MakeClick();  // the file made, and its tables
    for (auto _ : state) {
        state.PauseTiming();
        window.MakeToTheEnd();
        state.ResumeTiming();
        window.form->Button_MakeClick();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_KeepItemMade)->Unit(benchmark::kMillisecond)->Iterations(100);

// Ctrl+H over a journal of 1,000 items made: read from the file, listed and
// shown in the pane.
void BM_ListItemsMade(benchmark::State& state) {
    JournalWindow window;
    window.MakeToTheEnd();
    window.form->Button_MakeClick();
    SqliteConnection(window.file, SQLITE_OPEN_READWRITE, 1000)
        .Exec(
            "WITH RECURSIVE n(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < 999) "
            "INSERT INTO item_made (name, base_item, plan, money, weeks, dx, made_at) "
            "SELECT name || ' ' || k, base_item, plan, money, weeks, dx, made_at + k * 3600 "
            "FROM item_made, n");
    OutputPane* pane = Named<OutputPane>(*window.form, "RichEdit1");
    for (auto _ : state) {
        window.form->ListMadeItems();
        QApplication::processEvents();
    }
    state.counters["lines"] = static_cast<double>(pane->LineCount());
}
BENCHMARK(BM_ListItemsMade)->Unit(benchmark::kMillisecond);

// Peak resident memory, in KiB, of a fresh process that opens one window.
long PeakMemoryOf(bool tharnwell, int argc, char** argv) {
    const pid_t child = fork();
    if (child == 0) {
        QApplication application(argc, argv);
        if (tharnwell) {
            TForm1 form;
            ShowAndPaint(form);
        } else {
            auto window = OpenBareWindow();
            ShowAndPaint(*window);
        }
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const long bare = PeakMemoryOf(false, argc, argv);
    const long ours = PeakMemoryOf(true, argc, argv);
    std::printf("peak memory: bare window %ld KiB, Tharnwell %ld KiB, ratio %.2f\n", bare, ours,
                bare > 0 ? static_cast<double>(ours) / static_cast<double>(bare) : 0.0);

    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
