#ifndef TESTS_PAGEUNDERTEST_H
#define TESTS_PAGEUNDERTEST_H

#include "fclink/link/commrt.h"

#include <QSignalSpy>
#include <QSize>

#include <memory>
#include <utility>

// A page for one test on a link of its own: the link is made first (which clears the parameter
// block), then the page, made as the program makes its pages (no parent, the link, and any
// further arguments) at the size of the page area. At the end the page goes first, then the
// link, its thread stopped and waited for. The link's thread starts only when a test connects
// it (connectTo, or by hand).
template <typename Page> class PageUnderTest
{
public:
    static constexpr QSize kPageAreaSize{850, 435};

    template <typename... Extra>
    explicit PageUnderTest(Extra &&...extra)
        : m_link(Commrt::createClass()),
          m_page(std::make_unique<Page>(nullptr, m_link, std::forward<Extra>(extra)...))
    {
        m_page->resize(kPageAreaSize);
    }

    ~PageUnderTest()
    {
        m_page.reset();
        m_link->stop();
        Commrt::destroyClass(m_link);
    }

    PageUnderTest(const PageUnderTest &) = delete;
    PageUnderTest &operator=(const PageUnderTest &) = delete;

    // Starts the link's thread, connects to the port and waits for the parameter read.
    bool connectTo(const QString &port, int timeoutMs = 10000)
    {
        QSignalSpy read(m_link, &Commrt::parametersChanged);
        m_link->start();
        m_link->setPortName(port);
        m_link->connectCom();
        return read.count() > 0 || read.wait(timeoutMs);
    }

    Page *page() const { return m_page.get(); }
    Commrt *link() const { return m_link; }
    Page *operator->() const { return m_page.get(); }

private:
    Commrt *m_link;
    std::unique_ptr<Page> m_page;
};

#endif // TESTS_PAGEUNDERTEST_H
