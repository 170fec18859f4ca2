#pragma once
// A timer component that ticks either from a Qt timer on the GUI thread or
// from a worker thread of its own (the library's only worker thread).
//
// The worker waits on a condition variable in every turn of its loop, so a
// paused or idle timer costs nothing; pausing is cooperative (a flag under the
// thread's mutex, never a suspension at an arbitrary point). With `SyncEvent`
// a tick reaches the GUI thread through a queued, non-blocking call (at most
// one pending, dropped when the timer was re-applied or destroyed since);
// without it the handler runs on the worker thread. A handler's exception is
// shown through the message facade on the GUI thread; `EAbort` is silent.

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace animation {

class TJvTimer;

// The sender of an event.
using TNotifyEvent = std::function<void(QObject* sender)>;

// Thrown by a handler to end a tick silently.
class EAbort : public std::exception {
 public:
  const char* what() const noexcept override;
};

// No Qt timer could be had ("Pas assez de timers disponibles").
class EOutOfResources : public std::runtime_error {
 public:
  EOutOfResources();
};

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The worker of a threaded timer: created paused, it waits `Interval()`
// milliseconds per turn while running and then asks its owner to tick.
class TJvTimerThread {
 public:
  explicit TJvTimerThread(TJvTimer* owner);
  ~TJvTimerThread();
  TJvTimerThread(const TJvTimerThread&) = delete;
  TJvTimerThread& operator=(const TJvTimerThread&) = delete;

  // Signals the thread and joins it (a turn under way ends first).
  void Terminer();
  void Pause();
  void Resume();
  bool Running() const;
  std::uint32_t Interval() const;
  void SetInterval(std::uint32_t ms);
  // Applied where the system allows (lowering always, raising with the right).
  void SetPriority(TThreadPriority priorite);

  // The controllable clock: ends the current wait as if the interval had run
  // out and returns once that turn has ended: its tick posted, or run when the
  // handler runs on this thread (none when paused meanwhile). False when the
  // thread is not running.
  bool Declencher();

 private:
  void Boucle();
  // Waits one interval; true when it ran its full length (or was triggered).
  bool Attendre(std::unique_lock<std::mutex>& verrou);
  void AppliquerPriorite();

  TJvTimer* owner_;
  mutable std::mutex mutex_;
  std::condition_variable reveil_;
  std::condition_variable tour_fini_;
  bool termine_ = false;
  bool en_marche_ = false;
  std::uint64_t demandes_ = 0;     // triggers asked for by Declencher
  std::uint64_t servis_ = 0;       // triggers whose turn has ended
  std::uint64_t changements_ = 0;  // pauses, resumes and new intervals
  TThreadPriority priorite_voulue_ = TThreadPriority::tpNormal;
  TThreadPriority priorite_appliquee_ = TThreadPriority::tpNormal;
  std::uint32_t intervalle_ = 1000;
  std::thread thread_;
};

class TJvTimer : public QObject {
 public:
  explicit TJvTimer(QObject* owner = nullptr);
  ~TJvTimer() override;

  // Closes the timer for good, as its destruction does: disables it, removes
  // the handler, stops and joins the thread and kills the Qt timer. No tick
  // reaches the handler afterwards. An owner whose handler the worker may be
  // running calls it while the timer is still reachable.
  void Fermer();

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool valeur);
  std::uint32_t Interval() const { return interval_; }
  void SetInterval(std::uint32_t ms);
  bool SyncEvent() const { return sync_event_; }
  void SetSyncEvent(bool valeur) { sync_event_ = valeur; }
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool valeur);
  TThreadPriority ThreadPriority() const { return priorite_; }
  void SetThreadPriority(TThreadPriority valeur);
  bool HasOnTimer() const;
  void SetOnTimer(TNotifyEvent handler);

  // The tick entry: runs OnTimer when enabled, not being destroyed and a
  // handler is set. Both tick sources end here.
  void Timer();

  // The tick sources, as they stand: the worker (paused or not) and the id
  // of the Qt timer (0 when none).
  TJvTimerThread& Thread() { return *thread_; }
  int WindowTimer() const { return id_qt_; }

 protected:
  void timerEvent(QTimerEvent* evenement) override;

 private:
  friend class TJvTimerThread;
  // Called by the worker after a full interval.
  void TickDuThread();
  // Runs the handler, showing its exception through the message facade.
  void TickProtege();
  void UpdateTimer();
  void AppliquerQt(bool actif);
  bool DoitTourner() const;

  std::atomic<bool> enabled_{true};
  std::atomic<std::uint32_t> interval_{1000};
  std::atomic<bool> sync_event_{true};
  std::atomic<bool> threaded_{true};
  std::atomic<bool> detruit_{false};
  std::atomic<bool> tick_en_attente_{false};
  std::atomic<std::uint64_t> generation_{0};
  TThreadPriority priorite_ = TThreadPriority::tpNormal;
  mutable std::recursive_mutex mutex_;  // handler and application of the timer
  TNotifyEvent on_timer_;
  int id_qt_ = 0;
  std::unique_ptr<TJvTimerThread> thread_;
};

// True on the thread of the application object (or when there is none).
bool sur_le_thread_gui();

// Shows an exception's message through the message facade on the GUI thread
// (queued when called from another thread); EAbort shows nothing.
void montrer_exception(std::exception_ptr erreur);

}  // namespace animation
