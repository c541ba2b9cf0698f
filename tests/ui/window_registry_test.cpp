// The registry's unloading when a window's own unload reaches back into it.
#include "appfixture.h"

namespace {

int g_unloads[2] = {};

// Its unload closes it again (its close box), and the first one's loads the second.
template <int N>
class Probe : public ui::FormWindow<QWidget> {
public:
    explicit Probe(ui::AppContext& context) : m_context(context) {}
    void Form_Unload() override
    {
        if (++g_unloads[N] == 1)
            unloadByOwner();
        if constexpr (N == 0)
            m_context.windows.load<Probe<1>>();
    }

private:
    ui::AppContext& m_context;
};

TEST_F(AppFixture, unload_all_unloads_each_window_once_also_one_loaded_meanwhile)
{
    registry.load<Probe<0>>();
    registry.unloadAll();
    EXPECT_TRUE(registry.loadedForms().empty());
    EXPECT_EQ(g_unloads[0], 1);
    EXPECT_EQ(g_unloads[1], 1);
}

}  // namespace
