#include "bc_growfinish_tab_page4.h"

namespace vz::beef {

using R = BeefReproductionForm;

BC_GROWFINISH_TAB_PAGE4::BC_GROWFINISH_TAB_PAGE4(BeefReproductionForm &form, QWidget *parent)
  : BeefPageView(form,
                 {{R::SLE_GEBELIKSURESI, {0, 7, 86, 11}, {88, 7, 53, 12}},
                  {R::SLE_SUTVERIMSURESI, {0, 25, 86, 11}, {88, 25, 53, 13}},
                  {R::SLE_LAKSAYISI, {0, 44, 86, 11}, {88, 44, 53, 12}},
                  {R::SLE_PIKSUTVERIMI, {0, 62, 86, 11}, {88, 62, 53, 13}},
                  {R::SLE_PIKVERIMZAMANI, {0, 81, 86, 11}, {88, 81, 53, 12}},
                  {R::SLE_LAKSURESI, {0, 99, 86, 11}, {88, 99, 53, 13}},
                  {R::SLE_SUTYAGI, {0, 118, 86, 12}, {88, 118, 53, 12}},
                  {R::SLE_SUTPPROTEINI, {146, 7, 96, 11}, {244, 7, 53, 12}},
                  {R::SLE_SUTSNF, {146, 22, 96, 18}, {244, 25, 53, 13}},
                  {R::SLE_DKULYASI, {146, 44, 96, 11}, {244, 44, 53, 12}},
                  {R::SLE_BUZAGARALIGI, {146, 62, 96, 11}, {244, 62, 53, 13}},
                  {R::SLE_BEKBUZDOGAG, {146, 81, 96, 11}, {244, 81, 53, 12}}},
                 parent)
{
}

} // namespace vz::beef
