// SPDX-License-Identifier: GPL-3.0-or-later
// Finding in the window's pane: one search of the find field over the
// longest list, with the marks the window draws and their repaint.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/tform1.h"
#include "ui/control_names.h"

namespace {

// Types the text into the find field as a person would, in one go, and lets
// the window redraw the pane with its marks.
void BM_FindInFauna(benchmark::State& state, const char* text) {
    TForm1 form;
    form.show();
    QApplication::processEvents();
    form.Button_FaunaClick();
    form.OpenFind();
    QApplication::processEvents();
    OutputPane* pane = Named<OutputPane>(form, "RichEdit1");
    auto* field = pane->findChild<FindField*>();
    const QString typed = QString::fromLatin1(text);
    for (auto _ : state) {
        state.PauseTiming();
        field->clear();
        emit field->textEdited(QString());
        pane->PutCaret(0, 0);
        QApplication::processEvents();
        state.ResumeTiming();
        field->setText(typed);
        emit field->textEdited(typed);
        pane->viewport()->repaint();
    }
    state.counters["places"] = form.FindState().count;
}
BENCHMARK_CAPTURE(BM_FindInFauna, human, "human")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindInFauna, every_a, "a")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
