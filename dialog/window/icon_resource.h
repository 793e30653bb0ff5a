// Icons from the program's resources, named by their resource id; the
// window layer draws them from the resource's images.
#pragma once

namespace zaltor::win {

class Icon {
 public:
  Icon() = default;
  explicit Icon(int resourceId) : resourceId(resourceId) {}
  int ResourceId() const { return resourceId; }
  bool IsNull() const { return resourceId == 0; }
  bool operator==(const Icon&) const = default;

 private:
  int resourceId = 0;
};

// The icon, or a null icon when there is no such resource.
Icon LoadIconResource(int id);

}  // namespace zaltor::win
