// The forecast of a making in the tooltips: the Make button gives the odds of
// making the bench as it stands at the DX on the spinner, the spinner the
// chance of a good week at its DX.
#include "app/tform1.h"
#include "workshop/forecast.h"
#include "workshop/forecast_text.h"

void TForm1::UpdateForecastTips() {
    // While the button names the item, its tooltip is about the naming.
    if (Button_Make->Caption() == "&Make") {
        const MakingForecast forecast = ForecastMaking(catalogs_, workshop_, workshop_.DX);
        Button_Make->setToolTip(ToQt(ForecastText(forecast)));
    }
    UpDown1->setToolTip(ToQt(WeekChanceText(workshop_.DX)));
}
