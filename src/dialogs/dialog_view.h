#pragma once

#include <string>
#include <string_view>

namespace vb {

// One open dialog as the dialog logic sees it: controls addressed by their ids, texts in code
// page 936. Each desktop implements it over its own widgets; tests use a fake.
class DialogView {
 public:
  virtual ~DialogView() = default;

  virtual std::string Text(int control) const = 0;
  virtual void SetText(int control, std::string_view text) = 0;
  virtual bool Checked(int control) const = 0;
  virtual void SetChecked(int control, bool checked) = 0;
  virtual void Enable(int control, bool enabled) = 0;

  // List box rows.
  virtual void AddRow(int control, std::string_view text) = 0;
  virtual void SetRow(int control, int row, std::string_view text) = 0;
  virtual void RemoveRow(int control, int row) = 0;
  virtual int SelectedRow(int control) const = 0;  // -1 when none
  virtual void SelectRow(int control, int row) = 0;

  // Destroys the dialog; the view must not be used afterwards.
  virtual void Close() = 0;
};

}  // namespace vb
