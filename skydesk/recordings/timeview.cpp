#include "timeview.h"

#include <algorithm>
#include <utility>

void TimeView::setExtent(double firstMs, double lastMs)
{
    m_first = std::min(firstMs, lastMs);
    m_last = std::max(firstMs, lastMs);
    keepWithinExtent();
}

bool TimeView::isWhole() const
{
    return m_start <= m_first && m_end >= m_last;
}

void TimeView::fit()
{
    show(m_first, m_last);
}

void TimeView::show(double startMs, double endMs)
{
    if (startMs > endMs)
        std::swap(startMs, endMs);
    const double missing = kShortestSpanMs - (endMs - startMs);
    if (missing > 0.0) {
        startMs -= missing / 2.0;
        endMs += missing / 2.0;
    }
    m_start = startMs;
    m_end = endMs;
    keepWithinExtent();
}

void TimeView::zoom(double factor, double aroundMs)
{
    const double longest = std::max(kShortestSpanMs, m_last - m_first);
    const double span = std::clamp(this->span() * factor, kShortestSpanMs, longest);
    const double share = (aroundMs - m_start) / this->span();
    m_start = aroundMs - share * span;
    m_end = m_start + span;
    keepWithinExtent();
}

void TimeView::move(double byMs)
{
    m_start += byMs;
    m_end += byMs;
    keepWithinExtent();
}

void TimeView::keepWithinExtent()
{
    const double extent = m_last - m_first;
    const double span =
        std::clamp(m_end - m_start, kShortestSpanMs, std::max(kShortestSpanMs, extent));
    if (span >= extent) {
        m_start = (m_first + m_last - span) / 2.0;
    } else {
        m_start = std::clamp(m_start, m_first, m_last - span);
    }
    m_end = m_start + span;
}
