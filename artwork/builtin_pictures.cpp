// The library's only code: a static library needs at least one source file;
// its content is the icon and button resources linked in beside it.
namespace pet_builtin_pictures {
int version() {
    return 1;
}
} // namespace pet_builtin_pictures
