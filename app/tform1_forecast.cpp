// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast of a making in the tooltips: the Make button gives the odds of
// making the bench as it stands at the DX on the spinner, the spinner the
// chance of a good week at its DX.
#include "app/tform1.h"
#include "workshop/forecast.h"
#include "workshop/forecast_text.h"

QString TForm1::MakeForecastText() const {
    QString text = ToQt(ForecastText(ForecastMaking(catalogs_, workshop_, workshop_.DX)));
    // The odds on one line and what to expect on the next, so that the
    // tooltip stays narrower than the window.
    return text.replace(QStringLiteral(". Expect "), QStringLiteral(".\nExpect "));
}
