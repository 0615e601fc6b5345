#include "bc_growfinish_tab_page3.h"

#include "beeficons.h"

namespace vz::beef {

BC_GROWFINISH_TAB_PAGE3::BC_GROWFINISH_TAB_PAGE3(BeefEnvironmentForm &form, QWidget *parent)
  : BeefPageView(form,
                 {{BeefEnvironmentForm::SLE_RUZGHIZI, {20, 3, 102, 11}, {124, 3, 53, 13}},
                  {BeefEnvironmentForm::SLE_CEVSIC, {20, 22, 102, 11}, {124, 22, 53, 11}},
                  {BeefEnvironmentForm::SLE_ONCEASO, {0, 36, 122, 12}, {124, 36, 53, 13}},
                  {BeefEnvironmentForm::CB_SSIT, {20, 55, 102, 11}, {124, 55, 84, 48}},
                  {BeefEnvironmentForm::CB_GECESERIN, {20, 73, 102, 11}, {124, 73, 44, 50}},
                  {BeefEnvironmentForm::CB_ZEMCAMMIK, {20, 92, 102, 11}, {124, 92, 68, 37}},
                  {BeefEnvironmentForm::CB_DERIKILDUR, {20, 110, 102, 13}, {124, 110, 104, 34}},
                  {BeefEnvironmentForm::CB_DERKAL, {196, 3, 50, 11}, {248, 3, 56, 41}},
                  {BeefEnvironmentForm::CB_EFEKKILUZ, {20, 129, 102, 11}, {124, 129, 68, 32}}},
                 parent)
{
  setWindowIcon(WFORE());
}

} // namespace vz::beef
