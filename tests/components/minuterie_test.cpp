// The timer: which tick source runs, where ticks are delivered, handler
// exceptions, and destruction while the worker runs. Ticks of the worker are
// driven through its controllable clock (Declencher), never by sleeping.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "components/animation/minuterie.h"
#include "localisation/messagerie_enregistreuse.h"

using namespace animation;

namespace {

// Interval long enough that only the controllable clock ticks the worker.
constexpr std::uint32_t kJamais = 3'600'000;
constexpr int kAttenteMaxMs = 10'000;

void traiter_evenements() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

// Processes events until `condition` holds; false after the deadline.
template <class Condition>
bool attendre_que(Condition condition) {
  QDeadlineTimer limite(kAttenteMaxMs);
  while (!condition()) {
    if (limite.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

struct Compteur {
  std::atomic<int> ticks{0};
  std::atomic<bool> hors_gui{false};
  TNotifyEvent handler() {
    return [this](QObject*) {
      if (QThread::currentThread() != QCoreApplication::instance()->thread()) hors_gui = true;
      ++ticks;
    };
  }
};

int sources(TJvTimer& t) { return int(t.Thread().Running()) + int(t.WindowTimer() != 0); }

}  // namespace

TEST(Minuterie, AucuneSourceSansLesTroisConditions) {
  struct Cas {
    bool enabled;
    std::uint32_t interval;
    bool handler;
    int sources;
  };
  const Cas cas[] = {{true, 5, true, 1}, {false, 5, true, 0}, {true, 0, true, 0}, {true, 5, false, 0}};
  for (bool threaded : {true, false})
    for (const Cas& c : cas) {
      Compteur compteur;
      TJvTimer t;
      t.SetThreaded(threaded);
      t.SetInterval(c.interval);
      t.SetEnabled(c.enabled);
      if (c.handler) t.SetOnTimer(compteur.handler());
      EXPECT_EQ(sources(t), c.sources) << threaded << c.enabled << c.interval << c.handler;
      EXPECT_EQ(t.WindowTimer() != 0, !threaded && c.sources == 1);
      t.Timer();
      EXPECT_EQ(compteur.ticks, c.enabled && c.handler ? 1 : 0);
    }
}

TEST(Minuterie, SyncEventLivreSurLeThreadGuiUnSeulEnAttente) {
  Compteur compteur;
  TJvTimer t;
  t.SetInterval(kJamais);
  t.SetOnTimer(compteur.handler());
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(t.Thread().Declencher());
  EXPECT_EQ(compteur.ticks, 0);  // queued, not run on the worker
  traiter_evenements();
  EXPECT_EQ(compteur.ticks, 1);
  EXPECT_FALSE(compteur.hors_gui);
  ASSERT_TRUE(t.Thread().Declencher());
  traiter_evenements();
  EXPECT_EQ(compteur.ticks, 2);
}

TEST(Minuterie, SansSyncEventLeHandlerTourneSurLeThread) {
  Compteur compteur;
  TJvTimer t;
  t.SetSyncEvent(false);
  t.SetInterval(kJamais);
  t.SetOnTimer(compteur.handler());
  ASSERT_TRUE(t.Thread().Declencher());
  EXPECT_EQ(compteur.ticks, 1);
  EXPECT_TRUE(compteur.hors_gui);
  t.SetEnabled(false);
  EXPECT_FALSE(t.Thread().Declencher());
  EXPECT_EQ(compteur.ticks, 1);
}

TEST(Minuterie, ChangerThreadedLaisseUneSeuleSource) {
  Compteur compteur;
  TJvTimer t;
  t.SetInterval(kJamais);
  t.SetOnTimer(compteur.handler());
  ASSERT_TRUE(t.Thread().Declencher());  // a tick posted by the worker...
  t.SetThreaded(false);                  // ...is dropped once the GUI timer took over
  EXPECT_EQ(sources(t), 1);
  EXPECT_NE(t.WindowTimer(), 0);
  traiter_evenements();
  EXPECT_EQ(compteur.ticks, 0);
  for (int i = 0; i < 4; ++i) {
    t.SetThreaded(!t.Threaded());
    EXPECT_EQ(sources(t), 1);
  }
  t.SetEnabled(false);
  EXPECT_EQ(sources(t), 0);
}

TEST(Minuterie, LeTimerQtTique) {
  Compteur compteur;
  TJvTimer t;
  t.SetThreaded(false);
  t.SetInterval(1);
  t.SetOnTimer(compteur.handler());
  EXPECT_TRUE(attendre_que([&] { return compteur.ticks >= 2; }));
  EXPECT_FALSE(compteur.hors_gui);
}

TEST(Minuterie, ExceptionDuHandlerParLaMessagerieEAbortMuette) {
  for (bool sync : {true, false})
    for (bool abandon : {false, true}) {
      MessagerieDeTest messages;
      TJvTimer t;
      t.SetSyncEvent(sync);
      t.SetInterval(kJamais);
      t.SetOnTimer([abandon](QObject*) {
        if (abandon) throw EAbort();
        throw std::runtime_error("panne du handler");
      });
      ASSERT_TRUE(t.Thread().Declencher());
      traiter_evenements();
      if (abandon) {
        EXPECT_TRUE(messages->journal.empty());
      } else {
        ASSERT_EQ(messages->journal.size(), 1u) << sync;
        EXPECT_EQ(messages->journal[0].texte, "panne du handler");
      }
    }
}

TEST(Minuterie, DetruireEnMarcheMilleFoisSansTickApres) {
  constexpr int kTours = 1000;
  std::atomic<int> apres{0};
  for (int i = 0; i < kTours; ++i) {
    auto detruit = std::make_shared<std::atomic<bool>>(false);
    auto t = std::make_unique<TJvTimer>();
    t->SetSyncEvent(i % 2 == 0);
    t->SetInterval(1);
    t->SetOnTimer([detruit, &apres](QObject*) {
      if (*detruit) ++apres;
    });
    if (i % 3 == 0) t->Thread().Declencher();
    t.reset();
    *detruit = true;
    traiter_evenements();
  }
  EXPECT_EQ(apres, 0);
}

TEST(Minuterie, SansTimerQtPossibleEOutOfResources) {
  // A thread without an event loop cannot have Qt timers.
  std::string message;
  std::thread sans_boucle([&message] {
    TJvTimer t;
    t.SetThreaded(false);
    t.SetInterval(5);
    try {
      t.SetOnTimer([](QObject*) {});
    } catch (const EOutOfResources& e) {
      message = e.what();
    }
    EXPECT_EQ(t.WindowTimer(), 0);
  });
  sans_boucle.join();
  EXPECT_EQ(message, "Pas assez de timers disponibles");
}

TEST(Minuterie, LaPrioriteBaisseeSAppliqueAuThread) {
  constexpr int kGentillessePlusBasse = 10;
  const int initiale = getpriority(PRIO_PROCESS, id_t(gettid()));
  if (initiale >= kGentillessePlusBasse) GTEST_SKIP() << "the tests already run at a lower priority";
  std::atomic<int> gentillesse{0};
  TJvTimer t;
  t.SetSyncEvent(false);
  t.SetInterval(kJamais);
  t.SetThreadPriority(TThreadPriority::tpLowest);
  t.SetOnTimer([&gentillesse](QObject*) { gentillesse = getpriority(PRIO_PROCESS, id_t(gettid())); });
  ASSERT_TRUE(t.Thread().Declencher());
  EXPECT_EQ(gentillesse, kGentillessePlusBasse);
  EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(gettid())), initiale);  // the GUI thread keeps its own
}
