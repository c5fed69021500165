#pragma once
// True when any argument of the command line, lower-cased, is "/h": the start
// asks the running panel for a mouse-style activation. Arguments are separated
// by blanks; double quotes group blanks into one argument.
bool HasActivationArgument(const char* commandLine);
