#pragma once
// How the program reaches the past-payroll screens: the payroll screen's doors ("Bordro
// Hesapla" and the grid's double click, "Matrahlar") and the main menu's archive.

namespace zeran {
class Session;
namespace ui {
class MainWindow;
class Prompter;
}  // namespace ui
}  // namespace zeran

namespace zeran::archive::ui {

/// Registers the doors "computeButton" (the payroll sheet of the current person) and
/// "taxBasesButton" (the tax bases of the current person; the payroll screen reloads after).
void registerArchiveDoors(zeran::ui::Prompter &prompter);

}  // namespace zeran::archive::ui
