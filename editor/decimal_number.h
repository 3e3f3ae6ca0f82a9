#pragma once

// The number at the start of a definition file's text ("Id", "Default", a
// numeric "Reset") as the C library's atoi reads it: leading white space, an
// optional sign, digits up to the first other character, 0 without digits.
// Out-of-range numbers clamp to the int range instead of atoi's undefined
// result. `whole`, when given, tells whether the text is nothing but that
// number: a sign and digits, no white space, nothing after them.
int DecimalNumber(const char* text, bool* whole = nullptr);
