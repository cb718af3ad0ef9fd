#pragma once
#include <string>
#include <vector>

// Each command takes its arguments after the command name and returns the
// process exit status.
int runInfo(const std::vector<std::string>& args);
int runRender(const std::vector<std::string>& args);
int runEditor(const std::vector<std::string>& args);
int runDemo(const std::vector<std::string>& args);
int runPlay(const std::vector<std::string>& args);
int runCheck(const std::vector<std::string>& args);
