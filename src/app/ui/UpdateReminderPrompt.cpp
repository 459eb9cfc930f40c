#include "app/ui/UpdateReminderPrompt.h"

#include <QUrl>

#include "app/ProductInfo.h"
#include "app/UpdateReminder.h"
#include "controls/Prompter.h"

namespace casewright {

void RunUpdateReminder(QWidget* parent, QDate today) {
    const auto ask = [parent](const QString& text) {
        return Prompter::instance().message(parent, text, UpdateReminder::Caption(),
                                            Prompter::Buttons::YesNo,
                                            Prompter::Icon::Question) == Prompter::Answer::Yes;
    };
    if (UpdateReminder(today, ask).run().openUpdatePage) {
        Prompter::instance().openUrl(QUrl(ProductInfo::UpdatePageUrl()));
    }
}

}  // namespace casewright
