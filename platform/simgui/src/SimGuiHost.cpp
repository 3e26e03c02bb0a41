// The GUI host: GLFW window, OpenGL 3 renderer, ImGui frame loop, and the
// extension points through which simulation extensions hook into the frame.

#include "halsimgui/SimGuiHost.h"

#include <hal/Extensions.h>

#include <GLFW/glfw3.h>
#include <imgui.h>
#include <imgui_impl_glfw.h>
#include <imgui_impl_opengl3.h>
#include <stb_image_write.h>

#include <cstdio>
#include <mutex>
#include <vector>

namespace halsimgui {

namespace {

// Registered callbacks; extensions may register from any thread.
std::mutex g_callbacksMutex;
std::vector<std::function<void()>> g_initCallbacks;   // guarded by g_callbacksMutex
std::vector<std::function<void()>> g_frameCallbacks;  // guarded by g_callbacksMutex
ImGuiContext* g_context = nullptr;                    // GUI thread only

void AddGuiInit(std::function<void()> callback) {
    std::lock_guard lock(g_callbacksMutex);
    g_initCallbacks.push_back(std::move(callback));
}

void AddGuiLateExecute(std::function<void()> callback) {
    std::lock_guard lock(g_callbacksMutex);
    g_frameCallbacks.push_back(std::move(callback));
}

ImGuiContext* GetImguiContext() { return g_context; }

std::vector<std::function<void()>> Snapshot(const std::vector<std::function<void()>>& callbacks) {
    std::lock_guard lock(g_callbacksMutex);
    return callbacks;
}

void SaveScreenshot(GLFWwindow* window, const std::string& path) {
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    stbi_flip_vertically_on_write(1);  // OpenGL rows run bottom-up
    if (!stbi_write_png(path.c_str(), width, height, 3, pixels.data(), width * 3)) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
    }
}

}  // namespace

void PublishExtensionPoints() {
    static std::once_flag published;
    std::call_once(published, [] {
        HAL_PublishExtension("halsimgui::AddGuiInit", reinterpret_cast<void*>(&AddGuiInit));
        HAL_PublishExtension("halsimgui::AddGuiLateExecute", reinterpret_cast<void*>(&AddGuiLateExecute));
        HAL_PublishExtension("halsimgui::GetImguiContext", reinterpret_cast<void*>(&GetImguiContext));
    });
}

int RunHost(const HostOptions& options, const std::function<void()>& robotPeriodic) {
    if (!glfwInit()) {
        std::fprintf(stderr, "no display: start under xvfb-run\n");
        return 1;
    }
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwCreateWindow(options.width, options.height, options.title.c_str(), nullptr, nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "no OpenGL 3 window could be made\n");
        glfwTerminate();
        return 1;
    }
    glfwMakeContextCurrent(window);
    glfwSwapInterval(1);

    IMGUI_CHECKVERSION();
    g_context = ImGui::CreateContext();
    ImGui::GetIO().IniFilename = nullptr;  // every run starts from the same layout
    ImGui::StyleColorsDark();
    ImGui_ImplGlfw_InitForOpenGL(window, true);
    ImGui_ImplOpenGL3_Init("#version 130");

    // Extensions that registered before the context existed get it now, the
    // ones that register later when they ask.
    PublishExtensionPoints();
    for (auto& init : Snapshot(g_initCallbacks)) init();

    for (int frame = 0; !glfwWindowShouldClose(window); ++frame) {
        if (options.maxFrames > 0 && frame >= options.maxFrames) break;
        glfwPollEvents();
        if (robotPeriodic) robotPeriodic();

        ImGui_ImplOpenGL3_NewFrame();
        ImGui_ImplGlfw_NewFrame();
        if (options.fixedFrameSeconds > 0.0f) ImGui::GetIO().DeltaTime = options.fixedFrameSeconds;
        ImGui::NewFrame();
        for (auto& callback : Snapshot(g_frameCallbacks)) callback();
        ImGui::SetCurrentContext(g_context);  // an extension may have switched it
        ImGui::Render();

        int width = 0, height = 0;
        glfwGetFramebufferSize(window, &width, &height);
        glViewport(0, 0, width, height);
        glClearColor(0.12f, 0.12f, 0.14f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
        const bool lastFrame = options.maxFrames > 0 && frame + 1 == options.maxFrames;
        if (lastFrame && !options.screenshotPath.empty()) SaveScreenshot(window, options.screenshotPath);
        glfwSwapBuffers(window);
    }

    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::DestroyContext(g_context);
    g_context = nullptr;
    glfwDestroyWindow(window);
    glfwTerminate();
    return 0;
}

}  // namespace halsimgui
