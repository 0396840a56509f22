// The bursts in the main window: found in every station open when first
// asked for, and the window moved to one of them, from the day overview's
// list or with the keys (the next or the previous at the shown station).

#include <algorithm>

#include "data/time_search.h"
#include "viewer/flux_viewer_dlg.h"

namespace helvarra {
namespace {

// A burst is shown in the window that starts in the minute five minutes
// before it begins.
constexpr std::int64_t kLeadSeconds = 300;

}  // namespace

const BurstCatalogue& CFluxViewerDlg::Bursts() const {
  if (!m_bursts) m_bursts = CatalogueBursts(m_file.Network());
  return *m_bursts;
}

void CFluxViewerDlg::ShowBurst(std::size_t listed) {
  const BurstCatalogue& c = Bursts();
  if (m_bFileLoaded != 1 || listed >= c.list.size()) return;
  const ListedBurst& l = c.list[listed];
  const FluxTable& table = m_file.Network().stations[l.station].table;
  const std::int64_t lead = l.burst->begin - kLeadSeconds;
  const std::size_t row = std::min(FirstRowFrom(table, lead - lead % 60 - 60), table.size() - 1);
  ShowStationAt(l.station, row);
  if (m_nStation != l.station) return;  // not moved: browsing
  m_nBurstShown = listed;
  m_nBurstWindow = m_window ? std::optional(m_window->start) : std::nullopt;
}

// From the burst shown last while the window stays where it put it; else
// from five minutes into the window, where a burst shown stands.
void CFluxViewerDlg::OnNextBurst(int step) {
  if (m_bFileLoaded != 1 || !m_window) return;
  StopBrowsing();
  const BurstCatalogue& c = Bursts();
  const bool fromShown = m_nBurstShown && m_nBurstWindow == m_window->start;
  const std::int64_t at = m_window->start + kLeadSeconds;
  auto isHere = [&](std::size_t i) { return c.list[i].station == m_nStation; };
  if (step > 0) {
    for (std::size_t i = fromShown ? *m_nBurstShown + 1 : 0; i < c.list.size(); ++i)
      if (isHere(i) && (fromShown || c.list[i].burst->begin > at)) return ShowBurst(i);
  } else {
    for (std::size_t i = fromShown ? *m_nBurstShown : c.list.size(); i-- > 0;)
      if (isHere(i) && (fromShown || c.list[i].burst->begin < at)) return ShowBurst(i);
  }
}

}  // namespace helvarra
