// The 2-D engine interface the game is written against: one reference-counted
// engine object (window, frame loop, timer, input, drawing, textures, random
// numbers) and the small value types in hgesprite.h, hgefont.h, hgerect.h and
// hgevector.h. The implementation sits on SDL2 (HgeImpl).
#pragma once

#include <cstdint>

#define HGE_VERSION 0x180

typedef uint32_t HTEXTURE;

enum hgeBoolState {
    HGE_WINDOWED = 1,
    HGE_ZBUFFER = 2,
    HGE_TEXTUREFILTER = 3,
    HGE_USESOUND = 4,
    HGE_DONTSUSPEND = 5,
    HGE_HIDEMOUSE = 6,
    HGE_SHOWSPLASH = 7,
};

enum hgeFuncState {
    HGE_FRAMEFUNC = 8,
    HGE_RENDERFUNC = 9,
    HGE_FOCUSLOSTFUNC = 10,
    HGE_FOCUSGAINFUNC = 11,
    HGE_GFXRESTOREFUNC = 12,
    HGE_EXITFUNC = 13,
};

enum hgeIntState {
    HGE_SCREENWIDTH = 17,
    HGE_SCREENHEIGHT = 18,
    HGE_SCREENBPP = 19,
    HGE_FPS = 24,
};

enum hgeStringState {
    HGE_TITLE = 27,
    HGE_LOGFILE = 30,
};

typedef bool (*hgeCallback)();

// Blend modes (combinable).
#define BLEND_COLORADD 1
#define BLEND_COLORMUL 0
#define BLEND_ALPHABLEND 2
#define BLEND_ALPHAADD 0
#define BLEND_ZWRITE 4
#define BLEND_NOZWRITE 0
#define BLEND_DEFAULT (BLEND_COLORMUL | BLEND_ALPHABLEND | BLEND_NOZWRITE)

// Colour helpers, ARGB with alpha in the top byte.
#define ARGB(a, r, g, b) \
    ((uint32_t(a) << 24) + (uint32_t(r) << 16) + (uint32_t(g) << 8) + uint32_t(b))
#define GETA(col) ((col) >> 24)
#define GETR(col) (((col) >> 16) & 0xFF)
#define GETG(col) (((col) >> 8) & 0xFF)
#define GETB(col) ((col)&0xFF)

struct hgeVertex {
    float x, y;  // screen position
    float z;     // 0..1, used only for sorting by the game
    uint32_t col;
    float tx, ty;  // texture coordinates
};

struct hgeQuad {
    hgeVertex v[4];
    HTEXTURE tex;
    int blend;
};

// Text alignment for hgeFont::Render.
#define HGETEXT_LEFT 0
#define HGETEXT_RIGHT 1
#define HGETEXT_CENTER 2
#define HGETEXT_HORZMASK 0x03
#define HGETEXT_TOP 0
#define HGETEXT_BOTTOM 4
#define HGETEXT_MIDDLE 8
#define HGETEXT_VERTMASK 0x0C

class HGE {
public:
    virtual void Release() = 0;

    virtual bool System_Initiate() = 0;
    virtual void System_Shutdown() = 0;
    virtual bool System_Start() = 0;
    virtual const char* System_GetErrorMessage() = 0;
    virtual void System_Log(const char* format, ...) = 0;
    virtual bool System_Launch(const char* url) = 0;

    virtual void System_SetState(hgeBoolState state, bool value) = 0;
    virtual void System_SetState(hgeFuncState state, hgeCallback value) = 0;
    virtual void System_SetState(hgeIntState state, int value) = 0;
    virtual void System_SetState(hgeStringState state, const char* value) = 0;
    virtual bool System_GetState(hgeBoolState state) = 0;
    virtual hgeCallback System_GetState(hgeFuncState state) = 0;
    virtual int System_GetState(hgeIntState state) = 0;
    virtual const char* System_GetState(hgeStringState state) = 0;

    virtual void Random_Seed(int seed = 0) = 0;
    virtual int Random_Int(int min, int max) = 0;
    virtual float Random_Float(float min, float max) = 0;

    virtual float Timer_GetTime() = 0;
    virtual float Timer_GetDelta() = 0;
    virtual int Timer_GetFPS() = 0;

    virtual void Input_GetMousePos(float* x, float* y) = 0;
    virtual void Input_SetMousePos(float x, float y) = 0;
    virtual int Input_GetMouseWheel() = 0;
    virtual bool Input_IsMouseOver() = 0;
    virtual bool Input_KeyDown(int key) = 0;
    virtual bool Input_KeyUp(int key) = 0;
    virtual bool Input_GetKeyState(int key) = 0;
    virtual const char* Input_GetKeyName(int key) = 0;
    virtual int Input_GetKey() = 0;
    virtual int Input_GetChar() = 0;

    virtual bool Gfx_BeginScene(HTEXTURE target = 0) = 0;
    virtual void Gfx_EndScene() = 0;
    virtual void Gfx_Clear(uint32_t color) = 0;
    virtual void Gfx_RenderLine(float x1, float y1, float x2, float y2, uint32_t color = 0xFFFFFFFF,
                                float z = 0.5f) = 0;
    virtual void Gfx_RenderQuad(const hgeQuad* quad) = 0;

    virtual HTEXTURE Texture_Load(const char* data, uint32_t size = 0, bool mipmap = false) = 0;
    virtual void Texture_Free(HTEXTURE tex) = 0;
    virtual int Texture_GetWidth(HTEXTURE tex, bool original = false) = 0;
    virtual int Texture_GetHeight(HTEXTURE tex, bool original = false) = 0;

protected:
    virtual ~HGE() = default;
};

// Returns the one engine object, adding a reference. Pass HGE_VERSION.
HGE* hgeCreate(int ver);

// Windows virtual-key numbers, the codes of Input_GetKeyState.
#define HGEK_LBUTTON 0x01
#define HGEK_RBUTTON 0x02
#define HGEK_MBUTTON 0x04
#define HGEK_ESCAPE 0x1B
#define HGEK_BACKSPACE 0x08
#define HGEK_TAB 0x09
#define HGEK_ENTER 0x0D
#define HGEK_SPACE 0x20
#define HGEK_SHIFT 0x10
#define HGEK_CTRL 0x11
#define HGEK_ALT 0x12
#define HGEK_PAUSE 0x13
#define HGEK_CAPSLOCK 0x14
#define HGEK_PGUP 0x21
#define HGEK_PGDN 0x22
#define HGEK_END 0x23
#define HGEK_HOME 0x24
#define HGEK_LEFT 0x25
#define HGEK_UP 0x26
#define HGEK_RIGHT 0x27
#define HGEK_DOWN 0x28
#define HGEK_INSERT 0x2D
#define HGEK_DELETE 0x2E
#define HGEK_0 0x30
#define HGEK_1 0x31
#define HGEK_2 0x32
#define HGEK_3 0x33
#define HGEK_4 0x34
#define HGEK_5 0x35
#define HGEK_6 0x36
#define HGEK_7 0x37
#define HGEK_8 0x38
#define HGEK_9 0x39
#define HGEK_A 0x41
#define HGEK_B 0x42
#define HGEK_C 0x43
#define HGEK_D 0x44
#define HGEK_E 0x45
#define HGEK_F 0x46
#define HGEK_G 0x47
#define HGEK_H 0x48
#define HGEK_I 0x49
#define HGEK_J 0x4A
#define HGEK_K 0x4B
#define HGEK_L 0x4C
#define HGEK_M 0x4D
#define HGEK_N 0x4E
#define HGEK_O 0x4F
#define HGEK_P 0x50
#define HGEK_Q 0x51
#define HGEK_R 0x52
#define HGEK_S 0x53
#define HGEK_T 0x54
#define HGEK_U 0x55
#define HGEK_V 0x56
#define HGEK_W 0x57
#define HGEK_X 0x58
#define HGEK_Y 0x59
#define HGEK_Z 0x5A
#define HGEK_NUMPAD0 0x60
#define HGEK_NUMPAD9 0x69
#define HGEK_F1 0x70
#define HGEK_F2 0x71
#define HGEK_F3 0x72
#define HGEK_F4 0x73
#define HGEK_F5 0x74
#define HGEK_F6 0x75
#define HGEK_F7 0x76
#define HGEK_F8 0x77
#define HGEK_F9 0x78
#define HGEK_F10 0x79
#define HGEK_F11 0x7A
#define HGEK_F12 0x7B
#define HGEK_LWIN 0x5B
#define HGEK_RWIN 0x5C
#define HGEK_APPS 0x5D
#define HGEK_NUMPAD1 0x61
#define HGEK_NUMPAD2 0x62
#define HGEK_NUMPAD3 0x63
#define HGEK_NUMPAD4 0x64
#define HGEK_NUMPAD5 0x65
#define HGEK_NUMPAD6 0x66
#define HGEK_NUMPAD7 0x67
#define HGEK_NUMPAD8 0x68
#define HGEK_MULTIPLY 0x6A
#define HGEK_ADD 0x6B
#define HGEK_SUBTRACT 0x6D
#define HGEK_DECIMAL 0x6E
#define HGEK_DIVIDE 0x6F
#define HGEK_NUMLOCK 0x90
#define HGEK_SCROLLLOCK 0x91
#define HGEK_SEMICOLON 0xBA
#define HGEK_EQUALS 0xBB
#define HGEK_COMMA 0xBC
#define HGEK_MINUS 0xBD
#define HGEK_PERIOD 0xBE
#define HGEK_SLASH 0xBF
#define HGEK_GRAVE 0xC0
#define HGEK_LBRACKET 0xDB
#define HGEK_BACKSLASH 0xDC
#define HGEK_RBRACKET 0xDD
#define HGEK_APOSTROPHE 0xDE
