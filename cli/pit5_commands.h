#pragma once
// ksiega-cli commands of the PIT-5 declarations: the taxpayers register, the tax constants
// and the declarations themselves.

class CommandRegistry;

void addPit5Commands(CommandRegistry &registry);
