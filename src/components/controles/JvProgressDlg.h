#pragma once
// A progress dialog: a small window with a text line and a bar, which can
// add an estimate of the time left. Show and Close open and close the
// window; each Value change moves the bar and repaints at once, as work that
// ignores input runs meanwhile.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

#include "components/controles/JvFormProgress.h"

class TJvProgressDlg : public QObject {
  Q_OBJECT

 public:
  // The time in days.
  using Horloge = std::function<double()>;

  explicit TJvProgressDlg(QObject* parent = nullptr, Horloge horloge = {});
  ~TJvProgressDlg() override;

  void Show();
  void Close();
  // The estimate counts from now.
  void StartProgression();

  // Below 1, the bar shows that work goes on without a measure. Restarts
  // the clock.
  int Maximum() const { return maximum_; }
  void SetMaximum(int valeur);
  // Kept within 0 .. Maximum.
  int Value() const { return value_; }
  void SetValue(int valeur);
  const QString& Text() const { return text_; }
  void SetText(const QString& valeur);
  bool StayOnTop() const { return stay_on_top_; }
  void SetStayOnTop(bool valeur);
  bool AutoTimeLeft() const { return auto_time_left_; }
  void SetAutoTimeLeft(bool valeur) { auto_time_left_ = valeur; }

  TFormProg* Form() const { return form_.get(); }

 private:
  void estimer();
  void appliquer_style();

  Horloge horloge_;
  std::unique_ptr<TFormProg> form_;
  int maximum_ = 100;
  int value_ = 0;
  QString text_;
  bool stay_on_top_ = true;
  bool auto_time_left_ = false;
  double debut_ = 0;
  double derniere_estimation_ = 0;
};

// The time left as the dialog writes it: "[n day(s) ]hh:nn:ss", days apart,
// 00:00:00 for a time already past.
QString texte_temps_restant(double jours);
