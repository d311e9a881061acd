#pragma once
// The printed PIT-5 form of each tax method, page by page: four pages for the progressive
// scale ("Tdruk1" .. "Tdruk4"), three for the flat rate ("TPIT5Ls1" .. "TPIT5Ls3").

#include "pit5/form_geometry.h"

enum class DeclarationForm { Scale, FlatRate };

int FormPageCount(DeclarationForm form);
// Page `number`, from 1 to FormPageCount(form).
const FormPage &DeclarationFormPage(DeclarationForm form, int number);

// The tables themselves, one page each, in the order of the pages.
QList<FormPage> ScaleFormPages();
QList<FormPage> FlatRateFormPages();

// The band of a page covers the sheet inside the margins.
inline constexpr double ScaleBandHeightMm = 297.1;
inline constexpr double FlatRateBandHeightMm = 287.3;
