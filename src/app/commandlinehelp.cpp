#include "app/commandlinehelp.h"

#include "app/session.h"

namespace app {

std::string HelpText(const std::string& program)
{
    return "Usage: " + program +
           " [OPTION]\n"
           "Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.\n"
           "\n"
           "  -h, --help            show this help and exit\n"
           "                          " +
           program +
           " --help\n"
           "      --version         show the version and exit\n"
           "                          " +
           program +
           " --version\n"
           "      --number BIRTH    print the number and the reading that the window shows for the\n"
           "                        birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month\n"
           "                          " +
           program +
           " --number 1990-05-17\n"
           "      --month YYYY-MM   for that month instead of this one\n"
           "                          " +
           program +
           " --number 1990-05-17 --month 2027-01\n"
           "      --explain         show, after the reading, how the number is worked out\n"
           "                          " +
           program +
           " --number 1990-05-17 --explain\n"
           "      --json            print one JSON object instead, with the fields birth, month,\n"
           "                        number, reading, text and steps; each step has step, input,\n"
           "                        digitSum, stages and output (birthMonth: step, input, output;\n"
           "                        total: terms too)\n"
           "                          " +
           program +
           " --number 1990-05-17 --json\n"
           "\n"
           "A refused date, month or option is named on standard error, with exit status 2.\n"
           "With --number, --month, --explain or --json, an argument that is none of the options\n"
           "above is refused too; without them, other arguments are ignored (a desktop launcher\n"
           "may pass a field code).\n" +
           std::string(WhereTheWindowOpens()) + "\n";
}

}  // namespace app
