#include "platform/widgets/guarded_handler.h"

#include "platform/db_error.h"
#include "platform/prompter.h"

#include <exception>

bool RunHandler(Prompter &prompter, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const DbError &failure) {
        prompter.error(failure.message());
    } catch (const std::exception &failure) {
        prompter.error(QStringLiteral("Nieoczekiwany błąd programu: %1").arg(QString::fromUtf8(failure.what())));
    } catch (...) {
        prompter.error(QStringLiteral("Nieoczekiwany błąd programu."));
    }
    return false;
}
