// View > Language: the languages the windows can be shown in.

#include "main_window.h"

#include "prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace marklow {

void TSDIAppForm::CreateLanguageMenu() {
    View1->addSeparator();
    Language1 = View1->addMenu(tr("Lan&guage"));
    Language1->setObjectName("Language1");
    Language1->menuAction()->setObjectName("Language1Item");
    auto* group = new QActionGroup(this);
    // Each language by its own name, so it is found whatever language is shown.
    const std::pair<const char*, QString> choices[] = {
        {"", tr("&System Default")},
        {"en", QStringLiteral("&English")},
        {"de", QStringLiteral("&Deutsch")},
        {"es", QString::fromUtf8("Espa\u00f1o&l")},
    };
    for (const auto& [code, caption] : choices) {
        QAction* a = Language1->addAction(caption);
        a->setObjectName(QString("Language_") + (*code ? code : "system"));
        a->setData(QString(code));
        a->setCheckable(true);
        a->setChecked(language_ == code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] {
            const QString code = a->data().toString();
            if (code == language_) return;
            language_ = code;
            Prompts().Message(TMessageKind::Information,
                              tr("The language takes effect when Marklow is restarted."),
                              TButtons::Ok);
        });
    }
}

void TSDIAppForm::SetLanguage(const QString& code) {
    language_ = code;
    for (QAction* a : Language1->actions())
        a->setChecked(a->data().toString() == code);
}

} // namespace marklow
