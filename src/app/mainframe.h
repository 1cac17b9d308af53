#pragma once
// The single top-level window: menu bar, status bar and the main view. It keeps the commands the
// viewer does not offer out of every menu and answers the sibling program's front request.

#include <QMainWindow>
#include <cstddef>
#include <map>

class CVersucheDoc;
class CVersucheView;
class QAction;
class QMenu;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CVersucheDoc& dokument, QWidget* parent = nullptr);

    CVersucheView* HoleAnsicht() const { return m_ansicht; }
    // The action of a command number; nullptr for a number no menu or accelerator carries.
    QAction* Aktion(int befehl) const;

    // A copy-data record from the sibling program.
    void OnCopyData(const char* daten, std::size_t laenge);
    // Brings the window to the top and makes it the active one.
    void BringeNachVorne();

    // Removes the commands "Neu", "Löschen", "Zuordnung ändern" and "Importieren" from a menu
    // and its sub-menus, and sets the enabled state of the rest; runs whenever a menu opens.
    void OnInitMenuPopup(QMenu* menue);
    // Enabled states of the commands that depend on the shown tab.
    void AktualisiereBefehle();

signals:
    void nachVorneGeholt();

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    QAction* NeueAktion(int befehl, const QString& text, const QKeySequence& taste = {});
    void ErzeugeMenues();
    void ErzeugeStatusleiste();
    void VerbindeAnsichtsBefehle();

    CVersucheView* m_ansicht;
    std::map<int, QAction*> m_aktionen;
};
