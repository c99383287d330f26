#include "window/HelpText.h"

namespace quorvane::window {

namespace {

constexpr std::string_view kHelpText =
    "Following operator supported: \n"
    "\n"
    "\n"
    "\t+ - * / % ( )     \n"
    "\n"
    "\tabs   acos   asin   atan   atan2   \n"
    "\n"
    "\tceil  cos    cosh  \n"
    "\n"
    "\texp   exp10  exp2  \n"
    "\n"
    "\tfloor \n"
    "\n"
    "\tlog   log10  log2  \n"
    "\n"
    "\tpow  \n"
    "\n"
    "\tround \n"
    "\n"
    "\tsin   sinh   sqrt\n"
    "\n"
    "\ttan   tanh\n"
    "\n"
    "_____________________________________________\n"
    "\n"
    "        Contact: quorvane@example.org";

}  // namespace

std::string_view HelpText() { return kHelpText; }

}  // namespace quorvane::window
