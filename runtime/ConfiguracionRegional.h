#pragma once

// The suite's regional settings, fixed by the program itself whatever the machine's locale:
// Spanish, dates day/month/year, 24-hour times, a comma as decimal separator.
class ConfiguracionRegional {
public:
    static void Fija();
};
