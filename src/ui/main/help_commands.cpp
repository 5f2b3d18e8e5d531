#include "help_commands.h"

#include "about_box.h"
#include "chart_commands.h"
#include "check_commands.h"
#include "main_window.h"
#include "new_print_dlg.h"
#include "options_commands.h"
#include "preview_window.h"
#include "print_commands.h"
#include "properties_commands.h"
#include "roster_commands.h"

#include <QAction>

namespace marklow {

THelpCommands::THelpCommands(TSDIAppForm& form) : QObject(&form), Help(&form), form_(form) {
    auto wire = [this](QAction* a, void (THelpCommands::*handler)()) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    wire(form.Topics1, &THelpCommands::Topics1Click);
    wire(form.Contents2, &THelpCommands::Contents2Click);
    wire(form.Keyboard1, &THelpCommands::Keyboard1Click);
    wire(form.HowtoUseHelp1, &THelpCommands::HowtoUse1Click);
    wire(form.HowtoUseWindowsHelp1, &THelpCommands::HowtoUseWindowsHelp1Click);
    wire(form.About2, &THelpCommands::About1Click);
    Help.InstallHelpKey();

    auto topic = [this](int number) { Help.ShowTopic(number); };
    form.OptionsCommands().OptionsDlg.OnHelp = topic;
    form.CheckCommands().CheckForm.SetHelp(topic);
    form.ChartCommands().ChartForm.ShowHelp = topic;
    TPropertiesCommands& properties = form.PropertiesCommands();
    connect(&properties.StudentDlg, &TStudentDlg::HelpRequested, this, topic);
    connect(&properties.GradeDlg, &TGradeDlg::HelpRequested, this, topic);
    connect(&form.PrintCommands().Controller, &TPrintController::HelpRequested, this,
            [this](const QString& keyword) { Help.ShowKeyword(keyword); });
    connect(&form.RosterCommands().RosterDlg, &TImportRosterDlg::HelpRequested, this,
            [this](const QString& keyword) { Help.ShowKeyword(keyword); });
}

void THelpCommands::Topics1Click() {
    Help.ShowFinder();
}
void THelpCommands::Contents2Click() {
    Help.ShowContents();
}
void THelpCommands::Keyboard1Click() {
    Help.ShowKeyword("KeyboardShortcuts");
}
void THelpCommands::HowtoUse1Click() {
    Help.ShowKeyword("HowToUseMarklowHelp");
}
void THelpCommands::HowtoUseWindowsHelp1Click() {
    Help.ShowHelpOnHelp();
}
void THelpCommands::About1Click() {
    ShowAboutBox(&form_);
}

} // namespace marklow
