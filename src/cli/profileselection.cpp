#include "cli/profileselection.h"

#include "cli/profilechoiceerror.h"
#include "profiles/profilemodel.h"
#include "profiles/profileswitches.h"

#include <QStringList>

namespace {

void choose(ProfileModel& model, const ParameterChoice& choice)
{
    for (ProfileGrid grid : kProfileGrids) {
        const ValueListRows& rows = model.Rows(grid);
        const int row = rows.FindRow(choice.parameter);
        if (row < 0)
            continue;
        if (model.ChooseShownText(grid, choice.parameter, choice.text))
            return;
        QString text = QStringLiteral("The parameter \"%1\" cannot show \"%2\".").arg(rows.Name(row), choice.text);
        if (rows.Style(row) == ValueListRows::EditStyle::PickList)
            text +=
                QStringLiteral(" It shows one of: ") + rows.PickList(row).join(QStringLiteral(", ")) + QLatin1Char('.');
        throw ProfileChoiceError(text);
    }
    throw ProfileChoiceError(QStringLiteral("The profile has no parameter \"%1\".").arg(choice.parameter));
}

} // namespace

ProfileSelection SelectProfile(const QString& profilePath, const QList<ParameterChoice>& choices)
{
    ProfileModel model;
    if (!model.LoadProfile(profilePath))
        return {};
    for (const ParameterChoice& choice : choices)
        choose(model, choice);
    ProfileSelection selection;
    BuildProfileSwitches(profilePath, model, selection.switches);
    selection.outputExt = model.OutputExt();
    return selection;
}
