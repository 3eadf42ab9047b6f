#include "platform/window/sdl_backend.h"

#include <SDL.h>
#include <dlfcn.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/sound/audio.h"
#include "platform/stringtable.h"
#include "platform/trace.h"
#include "platform/window/messages.h"
#include "platform/window/ui.h"

extern char** environ;

namespace platform::win {

int WholeScale(Size usable, Size frame) {
    if (frame.cx <= 0 || frame.cy <= 0) return 1;
    return std::max(1, std::min(usable.cx / frame.cx, usable.cy / frame.cy));
}

namespace {

uint32_t VirtualKey(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return uint32_t('A' + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return uint32_t('0' + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + uint32_t(k - SDLK_F1);
    switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_TAB: return VK_TAB;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    default: return 0;
    }
}

// The X library meets a lost display by calling exit(), which runs the exit
// handlers and static destructors while the audio thread is still mixing and
// the dead connection is still in use; under load that ended the program by a
// signal instead of an exit code. A lost display ends it at once, with code 1.
std::string g_displayLostText;

extern "C" int OnDisplayLost(void*) {
    ssize_t written = ::write(STDERR_FILENO, g_displayLostText.data(), g_displayLostText.size());
    (void)written;
    ::_exit(1);
}

// SDL loads the X library itself; when it has, its I/O error handler is
// replaced. Called after SDL's own set-up, which installs handlers too.
void GuardDisplayConnection() {
    if (g_displayLostText.empty()) g_displayLostText = platform::LoadString(64004) + "\n";
    void* x11 = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (!x11) return;  // not on X
    using Handler = int (*)(void*);
    using SetHandler = Handler (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(x11, "XSetIOErrorHandler"))) set(OnDisplayLost);
    ::dlclose(x11);  // only the reference taken here
}

// Set by the exit handlers. A backend still alive then was not stopped by
// the program: something ended it from inside, typically the X library
// calling exit() when the display went away, and tearing SDL down would wait
// for ever on that dead connection.
bool g_exiting = false;

class SdlBackend : public Backend {
public:
    SdlBackend(Size usable, int scale, SDL_Point origin)
        : usable_(usable), scale_(scale), origin_(origin), start_(std::chrono::steady_clock::now()) {
        // The session outlives this handler's registration, so the handler
        // runs before the session's own destructor.
        (void)Ui::Get();
        static const bool registered = std::atexit([] { g_exiting = true; }) == 0;
        (void)registered;
    }
    ~SdlBackend() override {
        if (g_exiting) return;  // the system reclaims it all
        for (SDL_Cursor* c : {arrow_, wait_, image_})
            if (c) SDL_FreeCursor(c);
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        if (window_) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    const char* Name() const override { return "sdl"; }

    uint64_t NowMs() override {
        return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_)
                            .count());
    }

    void Poll(std::vector<InputEvent>& out) override {
        SDL_Event ev;
        while (SDL_PollEvent(&ev)) Translate(ev, out);
    }

    void Wait(uint64_t deadlineMs) override {
        // Short waits, so a termination signal is noticed promptly.
        uint64_t now = NowMs();
        int timeout = deadlineMs == UINT64_MAX ? 50 : int(std::min<uint64_t>(50, deadlineMs > now ? deadlineMs - now : 0));
        if (timeout > 0) SDL_WaitEventTimeout(nullptr, timeout);
    }

    Size DesktopSize() override { return {usable_.cx / scale_, usable_.cy / scale_}; }

    void PlaceMainWindow(const Rect& client, Size minClient, Size maxClient) override {
        int x = origin_.x + client.left * scale_, y = origin_.y + client.top * scale_;
        int w = client.Width() * scale_, h = client.Height() * scale_;
        if (!window_) {
            window_ = SDL_CreateWindow(title_.c_str(), x, y, w, h, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
            if (!window_) {
                TraceF("SDL_CreateWindow failed: %s\n", SDL_GetError());
                return;
            }
            SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
            renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
            if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
            ApplyIcon();
            GuardDisplayConnection();
            if (shown_) SDL_ShowWindow(window_);
        } else {
            int cw, ch;
            SDL_GetWindowSize(window_, &cw, &ch);
            if (cw != w || ch != h) SDL_SetWindowSize(window_, w, h);
        }
        bool resizable = minClient.cx != maxClient.cx || minClient.cy != maxClient.cy;
        SDL_SetWindowResizable(window_, resizable ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowMinimumSize(window_, std::max(1, minClient.cx * scale_), std::max(1, minClient.cy * scale_));
        SDL_SetWindowMaximumSize(window_, std::max(1, maxClient.cx * scale_), std::max(1, maxClient.cy * scale_));
    }

    void SetTitle(std::string_view title) override {
        title_ = Cp1252ToUtf8(title);
        if (window_) SDL_SetWindowTitle(window_, title_.c_str());
    }

    void SetIcon(const CursorImage& img) override {
        icon_ = img;
        ApplyIcon();
    }

    void ApplyIcon() {
        if (!window_ || icon_.width <= 0 || icon_.argb.size() < size_t(icon_.width) * size_t(icon_.height)) return;
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(icon_.argb.data(), icon_.width, icon_.height, 32,
                                                            icon_.width * 4, SDL_PIXELFORMAT_ARGB8888);
        if (!s) return;
        SDL_SetWindowIcon(window_, s);
        SDL_FreeSurface(s);
    }

    void ShowMainWindow(bool show) override {
        shown_ = show;
        if (!window_) return;
        if (show) SDL_ShowWindow(window_);
        else SDL_HideWindow(window_);
    }

    void Present(const Picture& pic) override {
        if (!presented_) {  // the program is up: its loop runs and its handlers are in place
            presented_ = true;
            Trace("sdl: presenting frames\n");
        }
        if (!renderer_ || pic.Width() == 0 || pic.Height() == 0) return;
        if (!texture_ || texW_ != pic.Width() || texH_ != pic.Height()) {
            if (texture_) SDL_DestroyTexture(texture_);
            texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                         pic.Width(), pic.Height());
            texW_ = pic.Width();
            texH_ = pic.Height();
        }
        if (!texture_) return;
        SDL_UpdateTexture(texture_, nullptr, pic.Data(), pic.Width() * 4);
        SDL_RenderClear(renderer_);
        SDL_Rect dst{0, 0, pic.Width() * scale_, pic.Height() * scale_};
        SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
        SDL_RenderPresent(renderer_);
    }

    void SetStandardCursor(StandardCursor c) override {
        SDL_Cursor*& slot = c == StandardCursor::Wait ? wait_ : arrow_;
        if (!slot) slot = SDL_CreateSystemCursor(c == StandardCursor::Wait ? SDL_SYSTEM_CURSOR_WAIT : SDL_SYSTEM_CURSOR_ARROW);
        if (slot) SDL_SetCursor(slot);
    }

    void SetImageCursor(const CursorImage& img) override {
        if (img.width <= 0 || img.height <= 0 || img.argb.size() < size_t(img.width) * size_t(img.height)) return;
        std::vector<uint32_t> px(size_t(img.width * scale_) * size_t(img.height * scale_));
        for (int y = 0; y < img.height * scale_; ++y)
            for (int x = 0; x < img.width * scale_; ++x)
                px[size_t(y) * size_t(img.width * scale_) + size_t(x)] =
                    img.argb[size_t(y / scale_) * size_t(img.width) + size_t(x / scale_)];
        SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(px.data(), img.width * scale_, img.height * scale_, 32,
                                                            img.width * scale_ * 4, SDL_PIXELFORMAT_ARGB8888);
        if (!s) return;
        SDL_Cursor* c = SDL_CreateColorCursor(s, img.hotSpot.x * scale_, img.hotSpot.y * scale_);
        SDL_FreeSurface(s);
        if (!c) return;
        SDL_SetCursor(c);
        if (image_) SDL_FreeCursor(image_);
        image_ = c;
    }

    int MessageBox(std::string_view text, std::string_view caption, uint32_t type) override {
        return ShowSdlMessageBox(window_, text, caption, type);
    }

    void OpenUrl(std::string_view url) override {
        std::string u(url);
        char* argv[] = {const_cast<char*>("xdg-open"), u.data(), nullptr};
        pid_t pid;
        if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) == 0) {
            // xdg-open returns at once; reap it so no zombie stays behind.
            waitpid(pid, nullptr, 0);
        } else {
            TraceF("Cannot start xdg-open for %s\n", u.c_str());
        }
    }

    static int ShowSdlMessageBox(SDL_Window* parent, std::string_view text, std::string_view caption, uint32_t type) {
        std::string t = Cp1252ToUtf8(text), c = Cp1252ToUtf8(caption);
        std::vector<SDL_MessageBoxButtonData> buttons;
        auto add = [&](int id, const char* label, uint32_t flags) { buttons.push_back({flags, id, label}); };
        const uint32_t enter = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, esc = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        switch (type & MB_TYPEMASK) {
        case MB_YESNO: add(IDYES, "Yes", enter); add(IDNO, "No", esc); break;
        case MB_YESNOCANCEL: add(IDYES, "Yes", enter); add(IDNO, "No", 0); add(IDCANCEL, "Cancel", esc); break;
        case MB_OKCANCEL: add(IDOK, "OK", enter); add(IDCANCEL, "Cancel", esc); break;
        case MB_RETRYCANCEL: add(IDRETRY, "Retry", enter); add(IDCANCEL, "Cancel", esc); break;
        default: add(IDOK, "OK", enter | esc); break;
        }
        uint32_t icon = SDL_MESSAGEBOX_INFORMATION;
        if ((type & 0xF0) == MB_ICONERROR) icon = SDL_MESSAGEBOX_ERROR;
        if ((type & 0xF0) == MB_ICONWARNING) icon = SDL_MESSAGEBOX_WARNING;
        SDL_MessageBoxData data{icon, parent, c.c_str(), t.c_str(), int(buttons.size()), buttons.data(), nullptr};
        int pressed = -1;
        if (SDL_ShowMessageBox(&data, &pressed) != 0 || pressed < 0) {
            // No box could be shown: the answer of the box's Escape button.
            return buttons.back().buttonid;
        }
        return pressed;
    }

private:
    void Translate(const SDL_Event& ev, std::vector<InputEvent>& out) {
        using K = InputEvent::Kind;
        switch (ev.type) {
        case SDL_QUIT: out.emplace_back(K::CloseRequest); break;
        case SDL_WINDOWEVENT:
            switch (ev.window.event) {
            case SDL_WINDOWEVENT_CLOSE: out.emplace_back(K::CloseRequest); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
            case SDL_WINDOWEVENT_FOCUS_LOST: {
                InputEvent e(K::Activate);
                e.active = ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
                out.push_back(e);
                break;
            }
            case SDL_WINDOWEVENT_SIZE_CHANGED: {
                InputEvent e(K::Resize);
                e.size = {ev.window.data1 / scale_, ev.window.data2 / scale_};
                out.push_back(e);
                break;
            }
            case SDL_WINDOWEVENT_EXPOSED: out.emplace_back(K::Expose); break;
            default: break;
            }
            break;
        case SDL_MOUSEMOTION: {
            InputEvent e(K::MouseMove);
            e.pt = {ev.motion.x / scale_, ev.motion.y / scale_};
            out.push_back(e);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            InputEvent e(ev.type == SDL_MOUSEBUTTONDOWN ? K::ButtonDown : K::ButtonUp);
            e.pt = {ev.button.x / scale_, ev.button.y / scale_};
            if (ev.button.button == SDL_BUTTON_LEFT) e.button = MouseButton::Left;
            else if (ev.button.button == SDL_BUTTON_RIGHT) e.button = MouseButton::Right;
            else if (ev.button.button == SDL_BUTTON_MIDDLE) e.button = MouseButton::Middle;
            else break;
            out.push_back(e);
            break;
        }
        case SDL_MOUSEWHEEL: {
            InputEvent e(K::Wheel);
            int x, y;
            SDL_GetMouseState(&x, &y);
            e.pt = {x / scale_, y / scale_};
            e.delta = ev.wheel.y * 120;
            out.push_back(e);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            uint32_t vk = VirtualKey(ev.key.keysym.sym);
            if (!vk) break;
            InputEvent e(ev.type == SDL_KEYDOWN ? K::KeyDown : K::KeyUp);
            e.key = vk;
            e.repeat = ev.key.repeat != 0;
            out.push_back(e);
            break;
        }
        case SDL_TEXTINPUT: {
            InputEvent e(K::Text);
            e.text = ev.text.text;
            out.push_back(e);
            break;
        }
        default: break;
        }
    }

    Size usable_;
    int scale_;
    SDL_Point origin_;
    std::chrono::steady_clock::time_point start_;
    std::string title_;
    bool shown_ = false;
    CursorImage icon_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int texW_ = 0, texH_ = 0;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* wait_ = nullptr;
    SDL_Cursor* image_ = nullptr;
    bool presented_ = false;
};

}  // namespace

std::unique_ptr<Backend> OpenSdlBackend(std::string* error) {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    bool noDisplay = (!x11 || !*x11) && (!wayland || !*wayland) && (!driver || !*driver);
    if (noDisplay) {
        if (error) *error = "no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return nullptr;
    }
    // Our own handlers turn SIGINT and SIGTERM into the normal shutdown.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        if (error) *error = std::string("cannot open the display: ") + SDL_GetError();
        return nullptr;
    }
    GuardDisplayConnection();
    SDL_Rect usable{0, 0, 800, 600};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0) {
        if (error) *error = std::string("cannot read the display's size: ") + SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
        return nullptr;
    }
    int scale = WholeScale({usable.w, usable.h}, {800, 600});
    // Sound goes to the sound card too (silent if there is none).
    platform::SetAudioBackend(platform::AudioBackend::Sdl);
    return std::make_unique<SdlBackend>(Size{usable.w, usable.h}, scale, SDL_Point{usable.x, usable.y});
}

}  // namespace platform::win
