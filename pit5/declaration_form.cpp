#include "pit5/declaration_form.h"

static const QList<FormPage> &pagesOf(DeclarationForm form)
{
    static const QList<FormPage> scale = ScaleFormPages();
    static const QList<FormPage> flatRate = FlatRateFormPages();
    return form == DeclarationForm::Scale ? scale : flatRate;
}

int FormPageCount(DeclarationForm form)
{
    return int(pagesOf(form).size());
}

const FormPage &DeclarationFormPage(DeclarationForm form, int number)
{
    return pagesOf(form).at(number - 1);
}
