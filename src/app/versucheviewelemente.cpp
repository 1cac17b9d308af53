// The view's controls by their identifiers in the form, and waiting for pending events.
#include "app/protokolldetails.h"
#include "app/versucheview.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <utility>

namespace {

// Notes whether the application was asked to end while it watches.
class CEndeWaechter : public QObject
{
public:
    CEndeWaechter() { QCoreApplication::instance()->installEventFilter(this); }
    ~CEndeWaechter() override { QCoreApplication::instance()->removeEventFilter(this); }
    CEndeWaechter(const CEndeWaechter&) = delete;
    CEndeWaechter& operator=(const CEndeWaechter&) = delete;

    bool EndeVerlangt() const { return m_ende; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (objekt == QCoreApplication::instance() && ereignis->type() == QEvent::Quit)
            m_ende = true;
        return false;
    }

private:
    bool m_ende = false;
};

} // namespace

QWidget* CVersucheView::HoleSteuerelement(int id) const
{
    const std::pair<int, QWidget*> elemente[] = {{100, m_band},
                                                 {111, m_notizBeschriftung},
                                                 {112, m_notizFeld},
                                                 {101, m_neu},
                                                 {102, m_drucken},
                                                 {103, m_oeffnen},
                                                 {104, m_schliessen},
                                                 {1036, m_tabelle},
                                                 {1049, m_eckdatenListe},
                                                 {1050, m_titelBeschriftung},
                                                 {213, m_titel},
                                                 {1000, m_tabCtrl},
                                                 {1001, m_rahmenProtokolle},
                                                 {1002, m_rahmenMessungen}};
    for (const auto& [elementId, element] : elemente) {
        if (elementId == id)
            return element;
    }
    return nullptr;
}

void CVersucheView::SperreSteuerelement(int id)
{
    if (QWidget* element = HoleSteuerelement(id))
        element->setEnabled(false);
}

bool CVersucheView::VerarbeiteWartendeEreignisse()
{
    const CEndeWaechter waechter;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return !waechter.EndeVerlangt();
}
