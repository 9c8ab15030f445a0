#pragma once

namespace ui {
class FormRegistry;
}

// Makes every screen of the program reachable by name through the registry.
void registerScreens(ui::FormRegistry& registry);
