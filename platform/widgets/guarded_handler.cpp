#include "platform/widgets/guarded_handler.h"

#include "platform/db_error.h"
#include "platform/prompter.h"

#include <exception>

void RunHandler(Prompter &prompter, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const DbError &failure) {
        prompter.error(failure.message());
    } catch (const std::exception &failure) {
        prompter.error(QStringLiteral("Nieoczekiwany błąd programu: %1").arg(QString::fromUtf8(failure.what())));
    } catch (...) {
        prompter.error(QStringLiteral("Nieoczekiwany błąd programu."));
    }
}
